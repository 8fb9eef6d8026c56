// Peak memory of building a packet from one 64 MiB picture and of extracting
// it again, each measured in a process of its own, next to a process that
// does nothing and one that copies the picture as cp does.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "packet_fixture.h"

extern char** environ;

namespace skinwright::bench {
namespace {

constexpr std::size_t kLargePictureSize = 64u << 20;

struct LargeFixture {
    TempFolder scratch{"bench-large"};
    std::filesystem::path work = scratch / "pictures";
    std::filesystem::path picture = work / "large.gif";
    std::filesystem::path packet = scratch / "iconres.ezx";
    std::filesystem::path output = scratch / "extracted.gif";
    std::filesystem::path copy = scratch / "copied.gif";

    LargeFixture()
    {
        std::filesystem::create_directories(work);
        WritePicture(picture, kLargePictureSize, 7);
    }
};

const LargeFixture& Large()
{
    static const LargeFixture fixture;
    return fixture;
}

std::filesystem::path JobProgram()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "peak_memory_job";
}

// Runs the job to its end; the peak resident set in KiB it reports, or -1
// when it failed.
long RunJob(const std::vector<std::string>& arguments)
{
    const std::string program = JobProgram().string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);

    long peak = -1;
    if (std::FILE* report = ::fdopen(pipeEnds[0], "r")) {
        if (std::fscanf(report, "%ld", &peak) != 1)
            peak = -1;
        std::fclose(report);
    } else {
        ::close(pipeEnds[0]);
    }
    int status = 0;
    if (!spawned || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return peak;
}

void MeasureJob(benchmark::State& state, const std::vector<std::string>& arguments)
{
    long peak = 0;
    for (auto _ : state)
        peak = RunJob(arguments);
    if (peak < 0) {
        state.SkipWithError("the job failed");
        return;
    }
    state.counters["peak_rss_kib"] = static_cast<double>(peak);
}

void BM_PeakIdle(benchmark::State& state)
{
    MeasureJob(state, {"idle"});
}

void BM_PeakBuild64MiB(benchmark::State& state)
{
    const LargeFixture& large = Large();
    MeasureJob(state, {"build", large.work.string(), "large.g", large.packet.string()});
}

void BM_PeakExtract64MiB(benchmark::State& state)
{
    const LargeFixture& large = Large();
    if (!std::filesystem::exists(large.packet))
        RunJob({"build", large.work.string(), "large.g", large.packet.string()});
    MeasureJob(state, {"extract", large.packet.string(), large.output.string()});
}

void BM_PeakCopy64MiB(benchmark::State& state)
{
    const LargeFixture& large = Large();
    MeasureJob(state, {"copy", large.picture.string(), large.copy.string()});
}

BENCHMARK(BM_PeakIdle)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakBuild64MiB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakExtract64MiB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakCopy64MiB)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skinwright::bench
