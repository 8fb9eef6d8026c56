// skinpack's entry. On Windows the arguments come from the wide command line
// as UTF-8, and the output goes out as UTF-8 bytes: the console is switched to
// UTF-8, and redirected output is not translated (no CR before LF), so a
// listing is the same bytes on both systems.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "cli/skinpack.h"

namespace {

int Run(const std::vector<std::string>& args)
{
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
