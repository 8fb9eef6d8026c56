// Extracting every row of a 2048-picture packet into a new folder, against
// copying the same pictures one by one (cp -r).
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

void BM_ExtractAll(benchmark::State& state)
{
    const PacketFixture* fixture = SharedFixture();
    auto reader = std::make_unique<PacketReader>();
    SilentTarget target;
    if (!fixture || !reader->LoadPacket(fixture->packet, target)) {
        state.SkipWithError("cannot load the packet");
        return;
    }
    const auto outputs = OutputPaths(EmptyFolder(fixture->scratch, "extracted"));
    for (auto _ : state) {
        FreshFolder(state, outputs.front().parent_path());
        for (int row = 0; row < reader->Table().Count(); ++row)
            if (!reader->ExtractResource(row, outputs[static_cast<std::size_t>(row)])) {
                state.SkipWithError("ExtractResource failed");
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
