// The settings file: the windows' remembered paths and the Builder's
// comments, read when a window is created and written when it is destroyed.
// Values are UTF-8 text, one line each.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace skinwright::behaviour {

// Each window's section and keys, named by what they hold; the strings are
// the ones stored files hold, byte for byte.
inline constexpr std::string_view kViewerSection = "default";
inline constexpr std::string_view kBuilderSection = "build";
inline constexpr std::string_view kPacketPathKey = "LastResFile";
inline constexpr std::string_view kOutputFolderKey = "OutputFolder";
inline constexpr std::string_view kWorkFolderKey = "WorkFolder";
// Misspelt on purpose: stored settings files hold the Builder's comments
// under this key, and a corrected spelling would lose them.
inline constexpr std::string_view kCommentsKey = "Commnets";
inline constexpr std::string_view kPacketFolderKey = "ResToSave";

// At most this many characters less one come back from a read, as from a
// file in a one-byte code page.
inline constexpr std::size_t kReadLimit = 1024;

// True for a copied or portable program, which keeps its files beside
// itself: its folder can be written or already holds its settings file. The
// folder the package installs into (on Windows, any folder under Program
// Files) counts as not writable, also for root or an administrator.
bool KeepsFilesBesideProgram(const std::filesystem::path& programFolder, std::string_view applicationName);

// The application name and ".ini", beside the executable of a portable
// program; otherwise in the user's configuration folder ($XDG_CONFIG_HOME,
// else ~/.config; on Windows %APPDATA%), where an installed program keeps it.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder, std::string_view applicationName,
                                       bool portable);

// The key's value, or the default when the file, section or key is missing;
// a key with an empty value reads as empty. Cut to 1023 characters. A value
// that is no UTF-8 was written in Windows-1252 and comes back converted.
std::string ReadSetting(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view defaultValue);

// Creates the file's folder when it is missing. Failures are for the caller
// to ignore; they are not reported.
bool WriteSetting(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  std::string_view value);

// The comments on one line: CR becomes byte 2, then LF byte 3; and back.
std::string EncodeComments(std::string_view comments);
std::string DecodeComments(std::string_view stored);

}  // namespace skinwright::behaviour
