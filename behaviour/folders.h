// Folders as the windows handle them: with a separator at their end, as the
// user picks them or the settings remember them.
#pragma once

#include <filesystem>
#include <string>

namespace skinwright::behaviour {

// The folder with a separator at its end; an empty path stays empty.
std::filesystem::path EnsureTrailingSeparator(const std::filesystem::path& folder);
std::string EnsureTrailingSeparator(const std::string& utf8Folder);

// The user's home folder: $HOME, else the account's.
std::filesystem::path HomeFolder();

// The folder itself when it is one, else the nearest of its parents that is:
// where a browser opens for a folder typed or remembered and since deleted.
std::filesystem::path NearestExistingFolder(const std::filesystem::path& folder);

// Where a folder setting or the folder chooser starts when given none:
// "C:\" on Windows, the home folder with a separator at its end elsewhere.
std::filesystem::path DefaultFolder();

// On Windows, a path that begins with a backslash (a network share such as
// "\\server\share"); such folders are refused where the user picks one.
// Elsewhere no path is refused.
bool IsNetworkPath(const std::filesystem::path& path);

}  // namespace skinwright::behaviour
