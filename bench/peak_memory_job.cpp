// One job whose peak memory the benchmarks measure, run as its own process:
//
//   peak_memory_job idle
//   peak_memory_job build <work-folder> <picture-name> <packet>
//   peak_memory_job extract <packet> <output>
//   peak_memory_job copy <from> <to>
//
// When the job succeeds it prints its peak resident set in KiB (VmHWM; the
// rusage of a spawned child would also count its parent's memory before exec)
// and exits 0.
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/packet.h"
#include "plain_copy.h"
#include "silent_target.h"

namespace {

using namespace skinwright;

bool Build(const char* work, std::string_view name, const char* packet)
{
    auto table = std::make_unique<ResourceTable>();
    return AddRow(*table, name, NameHash(name)) && GeneratePacketFile(*table, "", work, packet);
}

bool Extract(const char* packet, const char* output)
{
    auto reader = std::make_unique<PacketReader>();
    bench::SilentTarget target;
    return reader->LoadPacket(packet, target) && reader->ExtractResource(0, output);
}

bool Copy(const char* from, const char* to)
{
    std::vector<char> buffer(bench::kPlainCopyBuffer);
    return bench::CopyFile(from, to, buffer);
}

long PeakResidentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view job = argc > 1 ? argv[1] : "";
    bool done = false;
    if (job == "idle" && argc == 2)
        done = true;
    else if (job == "build" && argc == 5)
        done = Build(argv[2], argv[3], argv[4]);
    else if (job == "extract" && argc == 4)
        done = Extract(argv[2], argv[3]);
    else if (job == "copy" && argc == 4)
        done = Copy(argv[2], argv[3]);
    if (!done)
        return 1;
    std::printf("%ld\n", PeakResidentKib());
    return 0;
}
