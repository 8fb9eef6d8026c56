// What the Viewer window adds to the core: listing a 2048-row packet after a
// change of the path field, and showing a picture after a click, each next to
// the core's own load or extraction of the same packet in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableView>

#include "core/packet.h"
#include "behaviour/scripted_dialogs.h"
#include "res/templates/dialog_templates.h"
#include "silent_target.h"
#include "tests/support/files.h"
#include "viewer/viewer_dialog.h"

namespace skinwright::bench {
namespace {

constexpr int kRows = 2048;

// Two copies of a packet of 2048 real GIFs, so that every change of the path
// field names another file.
struct ViewerFixture {
    test::TempFolder scratch{"viewer-bench"};
    QString packets[2];
    QString settings;
};

const ViewerFixture& Fixture()
{
    static const auto fixture = [] {
        auto made = std::make_unique<ViewerFixture>();
        const std::filesystem::path work = made->scratch.Path() / "work";
        std::filesystem::create_directories(work);
        const QStringList demo = QDir(SKINWRIGHT_DEMO_THEME).entryList({"*.gif"}, QDir::Files, QDir::Name);
        auto table = std::make_unique<ResourceTable>();
        for (int i = 0; i < kRows; ++i) {
            const std::string name = "icon" + std::to_string(i) + ".g";
            std::filesystem::copy_file((QString(SKINWRIGHT_DEMO_THEME) + "/" + demo[i % demo.size()]).toStdString(),
                work / PictureFileName(name));
            AddRow(*table, name, NameHash(name));
        }
        for (int copy = 0; copy < 2; ++copy) {
            const std::filesystem::path packet = made->scratch.Path() / ("iconres" + std::to_string(copy) + ".ezx");
            GeneratePacketFile(*table, "bench", work, packet);
            made->packets[copy] = QString::fromStdString(packet.string());
        }
        made->settings = QString::fromStdString((made->scratch.Path() / "Skinwright.ini").string());
        return made;
    }();
    return *fixture;
}

struct OpenViewer {
    behaviour::ScriptedDialogs dialogs;
    viewer::ViewerDialog window{behaviour::ProgramSetup{.settingsFile = Fixture().settings.toStdString(),
                                                        .programFolder = QDir::tempPath().toStdString() + "/",
                                                        .applicationName = "Skinwright"},
                                dialogs};

    QLineEdit* PathField() { return window.ControlAs<QLineEdit>(templates::viewer::kPathField); }
    QTableView* List() { return window.ControlAs<QTableView>(templates::viewer::kResourceList); }
};

void BM_ViewerListsPacket(benchmark::State& state)
{
    OpenViewer viewer;
    viewer.window.show();
    int copy = 0;
    for (auto _ : state) {
        viewer.PathField()->setText(Fixture().packets[copy ^= 1]);
        QApplication::processEvents();
    }
    if (viewer.List()->model()->rowCount() != kRows)
        state.SkipWithError("the packet was not listed");
}
BENCHMARK(BM_ViewerListsPacket)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CoreLoadsPacket(benchmark::State& state)
{
    auto reader = std::make_unique<PacketReader>();
    SilentTarget target;
    int copy = 0;
    for (auto _ : state)
        reader->LoadPacket(Fixture().packets[copy ^= 1].toStdString(), target);
    if (reader->Table().Count() != kRows)
        state.SkipWithError("the packet did not load");
}
BENCHMARK(BM_CoreLoadsPacket)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ViewerShowsPicture(benchmark::State& state)
{
    OpenViewer viewer;
    viewer.window.show();
    viewer.PathField()->setText(Fixture().packets[0]);
    int row = 0;
    for (auto _ : state) {
        viewer.List()->selectRow(row = (row + 1) % kRows);
        viewer.window.OnListClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ViewerShowsPicture)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CoreExtractsPicture(benchmark::State& state)
{
    auto reader = std::make_unique<PacketReader>();
    SilentTarget target;
    reader->LoadPacket(Fixture().packets[0].toStdString(), target);
    const std::filesystem::path out = Fixture().scratch.Path() / "extracted.gif";
    int row = 0;
    for (auto _ : state)
        reader->ExtractResource(row = (row + 1) % kRows, out);
}
BENCHMARK(BM_CoreExtractsPicture)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace skinwright::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
