#include "folders.h"

#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace skinwright::behaviour {

std::filesystem::path EnsureTrailingSeparator(const std::filesystem::path& folder)
{
    const auto& text = folder.native();
    if (text.empty() || text.back() == std::filesystem::path::preferred_separator || text.back() == '/')
        return folder;
    std::filesystem::path ended = folder;
    ended += std::filesystem::path::preferred_separator;
    return ended;
}

std::string EnsureTrailingSeparator(const std::string& utf8Folder)
{
    if (utf8Folder.empty() || utf8Folder.back() == '/' || utf8Folder.back() == static_cast<char>(std::filesystem::path::preferred_separator))
        return utf8Folder;
    return utf8Folder + static_cast<char>(std::filesystem::path::preferred_separator);
}

std::filesystem::path HomeFolder()
{
#ifdef _WIN32
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return profile != nullptr ? std::filesystem::path(profile) : std::filesystem::path(L"C:\\");
#else
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd* account = getpwuid(getuid());
    return account != nullptr ? std::filesystem::path(account->pw_dir) : std::filesystem::path("/");
#endif
}

std::filesystem::path DefaultFolder()
{
#ifdef _WIN32
    return L"C:\\";
#else
    return EnsureTrailingSeparator(HomeFolder());
#endif
}

std::filesystem::path NearestExistingFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::path nearest = std::filesystem::absolute(folder, error).lexically_normal();
    while (!std::filesystem::is_directory(nearest, error)) {
        const std::filesystem::path parent = nearest.parent_path();
        if (parent == nearest)
            break;
        nearest = parent;
    }
    return nearest;
}

bool IsNetworkPath([[maybe_unused]] const std::filesystem::path& path)
{
#ifdef _WIN32
    return !path.native().empty() && path.native().front() == L'\\';
#else
    return false;
#endif
}

}  // namespace skinwright::behaviour
