#include "settings_file.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

#include "core/codepage.h"
#include "core/file_names.h"
#include "folders.h"
#include "private_profile.h"

namespace skinwright::behaviour {
namespace {

std::filesystem::path SettingsFileName(std::string_view applicationName)
{
    return PathFromUtf8(std::string(applicationName) + ".ini");
}

std::filesystem::path Normal(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::path normal = std::filesystem::weakly_canonical(folder, error);
    if (error)
        normal = folder;
    normal = normal.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

#ifdef _WIN32
std::filesystem::path ConfigurationFolder()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    return appData != nullptr ? std::filesystem::path(appData) : std::filesystem::path();
}
#else
std::filesystem::path ConfigurationFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && std::filesystem::path(configHome).is_absolute())
        return configHome;
    return HomeFolder() / ".config";
}
#endif

#ifdef _WIN32
// An installer puts the program under Program Files, which an administrator
// (and anyone under Wine) may write; a folder there is never portable.
bool IsInstalledFolder(const std::filesystem::path& programFolder)
{
    const auto lowered = [](const std::filesystem::path& folder) {
        std::wstring text = Normal(folder).wstring();
        std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
        return text;
    };
    const std::wstring program = lowered(programFolder);
    for (const wchar_t* variable : {L"ProgramFiles", L"ProgramW6432", L"ProgramFiles(x86)"}) {
        const wchar_t* value = _wgetenv(variable);
        if (value == nullptr || *value == L'\0')
            continue;
        const std::wstring installed = lowered(value);
        if (program == installed || (program.size() > installed.size() && program.compare(0, installed.size(), installed) == 0
                                     && program[installed.size()] == L'\\'))
            return true;
    }
    return false;
}
#else
// The folder the package installs the program into.
bool IsInstalledFolder(const std::filesystem::path& programFolder)
{
    return Normal(programFolder) == Normal(SKINWRIGHT_INSTALLED_FOLDER);
}
#endif

std::string Replaced(std::string_view text, char from, char to)
{
    std::string replaced(text);
    std::replace(replaced.begin(), replaced.end(), from, to);
    return replaced;
}

}  // namespace

// The folder a package or an installer puts the program into is never the
// settings' place, even for root or an administrator, who may write there: a
// file they left there would otherwise become every user's, and theirs to
// lose, and would outlive an uninstall.
bool KeepsFilesBesideProgram(const std::filesystem::path& programFolder, std::string_view applicationName)
{
    if (IsInstalledFolder(programFolder))
        return false;
    std::error_code error;
    return std::filesystem::exists(programFolder / SettingsFileName(applicationName), error)
           || CanWriteInto(programFolder);
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder, std::string_view applicationName,
                                       bool portable)
{
    return (portable ? programFolder : ConfigurationFolder()) / SettingsFileName(applicationName);
}

// A file written by the older Windows program holds its values in the ANSI
// code page: a value that is no UTF-8 is taken as Windows-1252, so that its
// paths and comments still open.
std::string ReadSetting(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view defaultValue)
{
    const std::string value = ReadProfileString(file, section, key, defaultValue, kReadLimit);
    return IsValidUtf8(value) ? value : Cp1252ToUtf8(value);
}

bool WriteSetting(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  std::string_view value)
{
    // The user's configuration folder may not exist yet on a new account.
    std::error_code error;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), error);
    return WriteProfileString(file, section, key, value);
}

std::string EncodeComments(std::string_view comments)
{
    return Replaced(Replaced(comments, '\r', '\x02'), '\n', '\x03');
}

std::string DecodeComments(std::string_view stored)
{
    return Replaced(Replaced(stored, '\x02', '\r'), '\x03', '\n');
}

}  // namespace skinwright::behaviour
