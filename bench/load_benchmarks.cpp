// Loading a 2048-row packet: the time, and how many allocations a load makes.
#include <benchmark/benchmark.h>

#include "allocation_count.h"
#include "packet_fixture.h"
#include "silent_target.h"

namespace skinwright::bench {
namespace {

void BM_LoadPacket(benchmark::State& state)
{
    const PacketFixture* fixture = SharedFixture();
    if (!fixture) {
        state.SkipWithError("cannot make the packet");
        return;
    }
    SilentTarget target;
    auto reader = std::make_unique<PacketReader>();

    // A reader's first load, then the later ones, which may reuse what it kept.
    const std::size_t beforeFirst = AllocationCount();
    const bool firstLoaded = static_cast<bool>(reader->LoadPacket(fixture->packet, target));
    const std::size_t firstLoad = AllocationCount() - beforeFirst;
    if (!firstLoaded || reader->Table().Count() != kPictureCount) {
        state.SkipWithError("cannot load the packet");
        return;
    }

    const std::size_t before = AllocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(reader->LoadPacket(fixture->packet, target));
    const auto later = static_cast<double>(AllocationCount() - before) / static_cast<double>(state.iterations());

    state.counters["allocs_first_load"] = static_cast<double>(firstLoad);
    state.counters["allocs_per_load"] = later;
    state.counters["allocs_per_row"] = std::max(static_cast<double>(firstLoad), later) / kPictureCount;
    state.SetItemsProcessed(state.iterations() * kPictureCount);
}

BENCHMARK(BM_LoadPacket)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skinwright::bench
