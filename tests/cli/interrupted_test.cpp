// skinpack stopped by Ctrl+C, SIGTERM or SIGHUP while it writes: the
// temporary file goes, the file at the target stays as it was, and the
// program ends by the signal.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "tests/support/files.h"
#include "tests/support/packet_bytes.h"
#include "tests/support/pictures.h"

extern char** environ;

namespace skinwright::cli::test {
namespace {

using namespace skinwright::test;
namespace fs = std::filesystem;

constexpr std::uintmax_t kBigPicture = std::uintmax_t{1} << 30;  // sparse: read fast, never written whole

pid_t Start(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{SKINPACK_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, SKINPACK_BINARY, nullptr, nullptr, pointers.data(), environ) == 0 ? pid : -1;
}

// A temporary of the folder's that holds at least a mebibyte: the big picture being written.
bool BigTemporaryIn(const fs::path& folder)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().starts_with(".skinwright-") && entry.file_size(error) >= (1u << 20))
            return true;
    return false;
}

TEST(Interrupted, TheTemporaryGoesTheTargetStaysAndTheSignalEndsTheProgram)
{
    const TempFolder folder("interrupted");
    const fs::path work = folder / "work";
    const fs::path out = folder / "out";
    fs::create_directories(work);
    fs::create_directories(out);
    WriteFile(work / "big.gif", "GIF89a");
    fs::resize_file(work / "big.gif", kBigPicture);
    // A packet of one record whose picture is a hole of the file.
    std::string packet = HandMadePacket("big.g\n", 50, 1, {{0x000004CF, 0, 0}}, "");
    AppendLe32(packet, 0xDCBAABCD);
    AppendLe32(packet, static_cast<std::uint32_t>(kBigPicture));
    WriteFile(folder / "big.ezx", packet);
    fs::resize_file(folder / "big.ezx", packet.size() + kBigPicture);

    const struct {
        const char* command;
        std::vector<std::string> args;
        fs::path target;
    } commands[] = {
        {"build", {"build", work.string(), "-f", "-o", (out / "new.ezx").string()}, out / "new.ezx"},
        {"extract", {"extract", (folder / "big.ezx").string(), out.string()}, out / "big.gif"},
    };
    for (const auto& c : commands) {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            WriteFile(c.target, "old");
            const pid_t pid = Start(c.args);
            ASSERT_GT(pid, 0);
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!BigTemporaryIn(out) && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            kill(pid, signal);
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << c.command << ", signal " << signal;
            EXPECT_EQ("old", ReadFile(c.target)) << c.command << ", signal " << signal;
            for (const std::string& name : ListFolder(out))
                EXPECT_FALSE(name.starts_with(".skinwright-")) << c.command << ", signal " << signal << ": " << name;
        }
    }
}

}  // namespace
}  // namespace skinwright::cli::test
#endif
