// Folders as the windows handle them: with a separator at their end, as the
// user picks them or the settings remember them.
#pragma once

#include <filesystem>
#include <string>

namespace skinwright::behaviour {

// The folder with a separator at its end; an empty path stays empty.
std::filesystem::path EnsureTrailingSeparator(const std::filesystem::path& folder);
std::string EnsureTrailingSeparator(const std::string& utf8Folder);

// The folder without separators at its end, but for a root ("C:\\", "/").
std::filesystem::path WithoutTrailingSeparator(const std::filesystem::path& folder);

// The user's home folder: $HOME, else the account's.
std::filesystem::path HomeFolder();

// The folder itself when it is one, else the nearest of its parents that is:
// where a browser opens for a folder typed or remembered and since deleted.
std::filesystem::path NearestExistingFolder(const std::filesystem::path& folder);

// Whether a file can be made in the folder.
bool CanWriteInto(const std::filesystem::path& folder);

// The user's Documents folder on Windows; the home folder elsewhere.
std::filesystem::path DocumentsFolder();

// The folder when a file can be made in it, else the fallback; either with
// a separator at its end.
std::filesystem::path WritableOr(const std::filesystem::path& folder, const std::filesystem::path& fallback);

// Where a folder setting or the folder chooser starts when given none:
// "C:\" on Windows, or the Documents folder where an ordinary user cannot
// write "C:\"; the home folder with a separator at its end elsewhere.
std::filesystem::path DefaultFolder();

// On Windows, a path that begins with a backslash (a network share such as
// "\\server\share"); such folders are refused where the user picks one.
// Elsewhere no path is refused.
bool IsNetworkPath(const std::filesystem::path& path);

}  // namespace skinwright::behaviour
