// skinpack's commands on a packet of 2048 GIFs of 16 KiB, run in-process
// with their output going to /dev/null: pictures against list, which reads
// only the packet's table, and sheet against extract, which writes the same
// pictures without reading what they are.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli/skinpack.h"
#include "core/packet.h"
#include "tests/support/files.h"
#include "tests/support/gif_pictures.h"

namespace skinwright::bench {
namespace {

constexpr int kPictureCount = 2048;
// A 48x48 frame whose pixels take 16 KiB less the blocks around them.
constexpr std::size_t kPixelBytes = 16 * 1024 - 160;

struct GifPacket {
    test::TempFolder scratch{"skinpack-bench"};
    std::string packet;
};

std::unique_ptr<GifPacket> MakeGifPacket()
{
    auto made = std::make_unique<GifPacket>();
    const std::filesystem::path work = test::EmptyFolder(made->scratch, "pictures");
    auto table = std::make_unique<ResourceTable>();
    for (int i = 0; i < kPictureCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "picture_%04d.g", i);
        test::WriteFile(work / PictureFileName(name), test::GifPicture(48, 48, 1, false, kPixelBytes));
        if (!AddRow(*table, name, NameHash(name)))
            return nullptr;
    }
    const std::filesystem::path packet = made->scratch / "iconres.ezx";
    if (!GeneratePacketFile(*table, "benchmark", work, packet))
        return nullptr;
    made->packet = packet.string();
    return made;
}

const GifPacket* SharedGifPacket()
{
    static const std::unique_ptr<GifPacket> made = MakeGifPacket();
    return made.get();
}

// Runs the command once per iteration. A command that writes a folder gets
// an empty one each time; emptying it is not timed.
void RunCommand(benchmark::State& state, const std::vector<std::string>& command, bool writesFolder)
{
    const GifPacket* made = SharedGifPacket();
    if (!made) {
        state.SkipWithError("cannot make the packet");
        return;
    }
    const std::filesystem::path folder = made->scratch / "out";
    std::vector<std::string> args = command;
    args.insert(args.begin() + 1, made->packet);
    if (writesFolder)
        args.push_back(folder.string());
    std::ofstream nowhere("/dev/null");
    for (auto _ : state) {
        if (writesFolder) {
            state.PauseTiming();
            std::filesystem::remove_all(folder);
            state.ResumeTiming();
        }
        if (cli::RunSkinpack(args, nowhere, nowhere) != 0) {
            state.SkipWithError("the command failed");
            return;
        }
    }
}

void BM_SkinpackList(benchmark::State& state)
{
    RunCommand(state, {"list"}, false);
}

void BM_SkinpackPictures(benchmark::State& state)
{
    RunCommand(state, {"pictures"}, false);
}

void BM_SkinpackExtract(benchmark::State& state)
{
    RunCommand(state, {"extract"}, true);
}

void BM_SkinpackSheet(benchmark::State& state)
{
    RunCommand(state, {"sheet", "-o"}, true);
}

BENCHMARK(BM_SkinpackList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinpackPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinpackExtract)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinpackSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skinwright::bench
