// "Save All ..." into a folder that already holds files of the exported
// names: a regular file is replaced keeping its mode, anything else (a FIFO)
// is refused and stays, and no temporary file is left.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#else
#include <sys/stat.h>
#endif

#include "core/packet.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

struct CountingListener final : ExportListener {
    std::vector<std::string> failed;

    void SideFileFailed(const std::filesystem::path& target) override { failed.push_back(target.filename().string()); }
    void NameLeavesFolder(std::string_view name) override { failed.emplace_back(name); }
    void PictureFailed(const std::filesystem::path& target) override { failed.push_back(target.filename().string()); }
};

TEST(ExportPacket, FilesInTheWayAreReplacedOrRefusedOneByOne)
{
    const TempFolder folder;
    WriteFile(folder / "iconres.ezx", WorkedExamplePacket());
    const std::filesystem::path out = EmptyFolder(folder, "out");
    WriteFile(out / "back.gif", "old");
    namespace fs = std::filesystem;
    std::vector<std::string> refused;
    // Windows files have no mode to keep, nor FIFOs.
#ifndef _WIN32
    constexpr fs::perms kMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(out / "back.gif", kMode);
    ASSERT_EQ(mkfifo((out / "ok.gif").c_str(), 0600), 0);
    refused.push_back("ok.gif");
#endif
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(folder / "iconres.ezx", target));
    CountingListener listener;
    const ExportCounts counts = ExportPacket(reader, out, listener);

    EXPECT_EQ(refused, listener.failed);
    EXPECT_EQ(static_cast<int>(refused.size()), counts.failures);
    EXPECT_EQ(BackPicture(), ReadFile(out / "back.gif"));
#ifndef _WIN32
    EXPECT_EQ(kMode, fs::status(out / "back.gif").permissions() & fs::perms::all);
    EXPECT_EQ(fs::file_type::fifo, fs::symlink_status(out / "ok.gif").type());
#endif
    EXPECT_EQ((std::vector<std::string>{"back.gif", "hashtable", "headerfile", "ok.gif"}), ListFolder(out));
}

// A side file that cannot be written is counted apart from the pictures,
// so that whoever exports can say that the export is not whole.
TEST(ExportPacket, ASideFileThatCannotBeWrittenIsCounted)
{
    const TempFolder folder;
    WriteFile(folder / "iconres.ezx", WorkedExamplePacket());
    const std::filesystem::path out = EmptyFolder(folder, "out");
    std::filesystem::create_directories(out / "hashtable");
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(folder / "iconres.ezx", target));
    CountingListener listener;
    const ExportCounts counts = ExportPacket(reader, out, listener);
    EXPECT_EQ(1, counts.sideFileFailures);
    EXPECT_EQ(0, counts.failures);
    EXPECT_EQ(std::vector<std::string>{"hashtable"}, listener.failed);
}

#ifdef _WIN32
// On a busy Desktop, Explorer opens each new picture for a moment, without
// letting it be replaced: every picture is written all the same.
TEST(ExportPacket, APictureHeldOpenForAMomentIsWrittenAllTheSame)
{
    const TempFolder folder;
    WriteFile(folder / "iconres.ezx", WorkedExamplePacket());
    const std::filesystem::path out = EmptyFolder(folder, "out");
    WriteFile(out / "ok.gif", "old");
    const HANDLE held = CreateFileW((out / "ok.gif").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread explorer([held] {
        Sleep(100);
        CloseHandle(held);
    });
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(folder / "iconres.ezx", target));
    CountingListener listener;
    const ExportCounts counts = ExportPacket(reader, out, listener);
    explorer.join();

    EXPECT_EQ(0, counts.failures);
    EXPECT_TRUE(listener.failed.empty());
    EXPECT_EQ(OkPicture(), ReadFile(out / "ok.gif"));
}
#endif

}  // namespace
}  // namespace skinwright::test
