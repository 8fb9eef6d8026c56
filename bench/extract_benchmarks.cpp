// Extracting a 2048-picture packet into a new folder as `skinpack extract`
// does (both side files, then every picture), against copying the same
// pictures one by one (cp -r).
#include <benchmark/benchmark.h>

#include <string>

#include "packet_fixture.h"
#include "plain_copy.h"
#include "silent_target.h"

namespace skinwright::bench {
namespace {

std::vector<std::filesystem::path> OutputPaths(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> paths;
    for (int i = 0; i < kPictureCount; ++i)
        paths.push_back(folder / (std::to_string(i) + ".gif"));
    return paths;
}

// Every run writes into an empty folder, as cp -r and skinpack extract do;
// emptying it is not timed.
void FreshFolder(benchmark::State& state, const std::filesystem::path& folder)
{
    state.PauseTiming();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    state.ResumeTiming();
}

// Nothing to tell: every file is written.
class NoFailures final : public ExportListener {
public:
    void SideFileFailed(const std::filesystem::path&) override {}
    void NameLeavesFolder(std::string_view) override {}
    void PictureFailed(const std::filesystem::path&) override {}
};

void BM_ExtractAll(benchmark::State& state)
{
    const PacketFixture* fixture = SharedFixture();
    auto reader = std::make_unique<PacketReader>();
    SilentTarget target;
    if (!fixture || !reader->LoadPacket(fixture->packet, target)) {
        state.SkipWithError("cannot load the packet");
        return;
    }
    const std::filesystem::path folder = EmptyFolder(fixture->scratch, "extracted");
    NoFailures listener;
    for (auto _ : state) {
        FreshFolder(state, folder);
        const ExportCounts counts = ExportPacket(*reader, folder, listener);
        if (counts.failures != 0 || counts.sideFileFailures != 0) {
            state.SkipWithError("ExportPacket failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture->pictureBytes);
}

void BM_CpBaseline(benchmark::State& state)
{
    const PacketFixture* fixture = SharedFixture();
    if (!fixture) {
        state.SkipWithError("cannot make the pictures");
        return;
    }
    const auto outputs = OutputPaths(EmptyFolder(fixture->scratch, "copied"));
    std::vector<char> buffer(kPlainCopyBuffer);
    for (auto _ : state) {
        FreshFolder(state, outputs.front().parent_path());
        for (std::size_t i = 0; i < fixture->pictures.size(); ++i)
            if (!CopyFile(fixture->pictures[i], outputs[i], buffer)) {
                state.SkipWithError("copying failed");
                return;
            }
    }
    state.SetBytesProcessed(state.iterations() * fixture->pictureBytes);
}

BENCHMARK(BM_ExtractAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CpBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skinwright::bench
