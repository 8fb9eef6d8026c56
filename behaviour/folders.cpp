#include "folders.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <shlobj.h>

#include "core/binary_file.h"
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace skinwright::behaviour {

namespace {

// A folder separator of the system's paths: "/" everywhere, and "\\" on Windows.
template <class Character>
bool IsSeparator(Character character)
{
    return character == Character('/') || character == Character(std::filesystem::path::preferred_separator);
}

}  // namespace

std::filesystem::path EnsureTrailingSeparator(const std::filesystem::path& folder)
{
    const auto& text = folder.native();
    if (text.empty() || IsSeparator(text.back()))
        return folder;
    std::filesystem::path ended = folder;
    ended += std::filesystem::path::preferred_separator;
    return ended;
}

std::string EnsureTrailingSeparator(const std::string& utf8Folder)
{
    if (utf8Folder.empty() || IsSeparator(utf8Folder.back()))
        return utf8Folder;
    return utf8Folder + static_cast<char>(std::filesystem::path::preferred_separator);
}

std::filesystem::path WithoutTrailingSeparator(const std::filesystem::path& folder)
{
    std::filesystem::path::string_type text = folder.native();
    const std::size_t rootLength = folder.root_path().native().size();
    while (text.size() > rootLength && IsSeparator(text.back()))
        text.pop_back();
    return text;
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

#ifdef _WIN32
// Windows tells no more than the read-only flag of a folder: whether a file
// can be made in it is learnt by making one.
bool CanWriteInto(const std::filesystem::path& folder)
{
    std::filesystem::path probe;
    BinaryFile made = BinaryFile::CreateTemporaryIn(folder, probe);
    if (!made)
        return false;
    made.Close();
    std::error_code error;
    std::filesystem::remove(probe, error);
    return true;
}

std::filesystem::path DocumentsFolder()
{
    wchar_t documents[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return documents;
    return HomeFolder();
}
#else
bool CanWriteInto(const std::filesystem::path& folder)
{
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path DocumentsFolder()
{
    return HomeFolder();
}
#endif

std::filesystem::path WritableOr(const std::filesystem::path& folder, const std::filesystem::path& fallback)
{
    return EnsureTrailingSeparator(CanWriteInto(folder) ? folder : fallback);
}

std::filesystem::path DefaultFolder()
{
#ifdef _WIN32
    // The shell is asked only where C:\ cannot be written.
    const std::filesystem::path drive = L"C:\\";
    return CanWriteInto(drive) ? drive : EnsureTrailingSeparator(DocumentsFolder());
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
