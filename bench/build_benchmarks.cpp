// Building a packet of 2048 pictures, against concatenating the same files.
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

void BM_CatBaseline(benchmark::State& state)
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
        if (out < 0 || ::close(out) != 0 || !copied) {
            state.SkipWithError("concatenating failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture->pictureBytes);
}

BENCHMARK(BM_BuildPacket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skinwright::bench
