// skinpack's entry. On Windows the arguments come from the wide command line
// as UTF-8, and the output goes out as UTF-8 bytes: the console is switched to
// UTF-8, and redirected output is not translated (no CR before LF), so a
// listing is the same bytes on both systems. A Ctrl+C, SIGTERM or SIGHUP
// removes the temporary file being written, leaves its target as it was, and
// ends the program by that signal.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "cli/skinpack.h"
#include "core/replacing_file.h"

namespace {

extern "C" void OnEndingSignal(int signal)
{
    skinwright::RemoveTemporariesNow();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int Run(const std::vector<std::string>& args)
{
    for (const int signal : {SIGINT, SIGTERM
#ifdef SIGHUP
             , SIGHUP
#endif
         })
        std::signal(signal, OnEndingSignal);
    const int status = skinwright::cli::RunSkinpack(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : 1;
}

}  // namespace

#ifdef _WIN32

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    converted.pop_back();
    return converted;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8(argv[i]));
    return Run(args);
}

#else

int main(int argc, char** argv)
{
    return Run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}

#endif
