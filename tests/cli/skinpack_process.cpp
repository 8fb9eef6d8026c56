#include "skinpack_process.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

#include "core/file_names.h"

namespace skinwright::cli::test {

ScratchFolder::ScratchFolder() : work_(root_ / "work")
{
    std::filesystem::create_directories(work_);
}

#ifdef _WIN32

namespace {

// One argument of a command line as the C runtime splits it again: quoted,
// with backslashes doubled before a quote and quotes escaped.
std::wstring Quoted(const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

HANDLE CreateOutput(const std::filesystem::path& path)
{
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

// Windows has no file size limit: tests that need one run on Linux only.
ProcessResult ScratchFolder::Run(const std::vector<std::string>& args, int) const
{
    const std::filesystem::path program = PathFromUtf8(SKINPACK_BINARY);
    std::wstring commandLine = Quoted(program.native());
    for (const std::string& arg : args)
        commandLine += L" " + Quoted(std::filesystem::path(std::u8string(arg.begin(), arg.end())).native());

    const std::filesystem::path outFile = root_ / "stdout";
    const std::filesystem::path errFile = root_ / "stderr";
    HANDLE out = CreateOutput(outFile);
    HANDLE err = CreateOutput(errFile);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ProcessResult result;
    // Wine, loaded by other tests running beside this one, now and then fails
    // to start a process at all; a start is tried again before it counts.
    bool started = false;
    DWORD startError = 0;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 work_.c_str(), &startup, &process);
        if (!started) {
            startError = GetLastError();
            Sleep(200);
        }
    }
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    result.out = skinwright::test::ReadFile(outFile);
    result.err = skinwright::test::ReadFile(errFile);
    if (!started)
        result.err += "the process could not be started (error " + std::to_string(startError) + ")\n";
    return result;
}

#else

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

#endif

}  // namespace skinwright::cli::test
