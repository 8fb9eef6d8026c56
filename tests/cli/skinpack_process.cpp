#include "skinpack_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace skinwright::cli::test {

ScratchFolder::ScratchFolder() : work_(root_ / "work")
{
    std::filesystem::create_directories(work_);
}

ProcessResult ScratchFolder::Run(const std::vector<std::string>& args, int fileSizeLimitBlocks) const
{
    std::string script = "cd \"$1\" || exit 99; shift; exec \"$0\" \"$@\"";
    if (fileSizeLimitBlocks > 0)
        script = "trap '' XFSZ; ulimit -f " + std::to_string(fileSizeLimitBlocks) + "; " + script;
    std::vector<std::string> argv{"/bin/sh", "-c", script, SKINPACK_BINARY, work_.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    const std::filesystem::path outFile = root_ / "stdout";
    const std::filesystem::path errFile = root_ / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, "/bin/sh", &actions, nullptr, pointers.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = skinwright::test::ReadFile(outFile);
    result.err = skinwright::test::ReadFile(errFile);
    return result;
}

}  // namespace skinwright::cli::test
