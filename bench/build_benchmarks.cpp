// Building a packet of 2048 pictures, against concatenating the same files
// (with and without one sync of the result).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "packet_fixture.h"
#include "plain_copy.h"

namespace skinwright::bench {
namespace {

void BM_BuildPacket(benchmark::State& state)
{
    const PacketFixture* fixture = SharedFixture();
    if (!fixture) {
        state.SkipWithError("cannot make the pictures");
        return;
    }
    ResourceTable& table = *fixture->table;
    const std::filesystem::path packet = fixture->scratch / "built.ezx";
    for (auto _ : state) {
        if (!GeneratePacketFile(table, "benchmark", fixture->work, packet)) {
            state.SkipWithError("GeneratePacketFile failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture->pictureBytes);
}

// cat of every picture into one file; the packet is synced before it is
// renamed, so the fair baseline syncs its output once too.
void Concatenate(benchmark::State& state, bool sync)
{
    const PacketFixture* fixture = SharedFixture();
    if (!fixture) {
        state.SkipWithError("cannot make the pictures");
        return;
    }
    const std::filesystem::path joined = fixture->scratch / "joined";
    std::vector<char> buffer(kPlainCopyBuffer);
    for (auto _ : state) {
        const int out = ::open(joined.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool copied = out >= 0;
        for (const auto& picture : fixture->pictures)
            copied = copied && AppendFile(picture, out, buffer);
        if (sync)
            copied = copied && ::fsync(out) == 0;
        if (out < 0 || ::close(out) != 0 || !copied) {
            state.SkipWithError("concatenating failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture->pictureBytes);
}

void BM_CatBaseline(benchmark::State& state)
{
    Concatenate(state, false);
}

void BM_CatSyncBaseline(benchmark::State& state)
{
    Concatenate(state, true);
}

BENCHMARK(BM_BuildPacket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatSyncBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skinwright::bench
