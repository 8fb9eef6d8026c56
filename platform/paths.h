// Paths as the windows handle them: QString in the windows, file-system
// paths for the core, and names in Windows-1252 inside packets.
#pragma once

#include <filesystem>
#include <string_view>

#include <QString>

namespace skinwright::platform {

// The folder with one '/' at its end; an empty text stays empty.
QString EnsureTrailingSeparator(const QString& folder);

// Where a folder setting or the folder chooser starts when given none:
// "C:\" on Windows, the home folder followed by '/' elsewhere.
QString DefaultFolder();

// On Windows, a path that begins with a backslash (a network share such as
// "\\server\share"); such folders are refused where the user picks one.
// Elsewhere no path is refused.
bool IsNetworkPath(const QString& path);

// The path in the file system's own encoding, and back.
std::filesystem::path ToFileSystemPath(const QString& path);
QString FromFileSystemPath(const std::filesystem::path& path);

// A name stored in Windows-1252, for showing it.
QString DisplayName(std::string_view cp1252);

}  // namespace skinwright::platform
