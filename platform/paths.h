// Paths as the windows handle them: QString in the windows, file-system
// paths for the core, and names in Windows-1252 inside packets.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace skinwright::platform {

// The folder with one '/' at its end; an empty text stays empty.
QString EnsureTrailingSeparator(const QString& folder);

// Where a folder setting starts when it has none: the home folder, with '/'.
QString DefaultFolder();

// A path that names a network share ("\\server" or "//server"); such
// folders are refused where the user picks one.
bool IsNetworkPath(const QString& path);

// The path in the file system's own encoding.
std::filesystem::path ToFileSystemPath(const QString& path);

// A name stored in Windows-1252, for showing it.
QString DisplayName(std::string_view cp1252);

// A resource name as a file name to create inside a folder: like
// DisplayName, with '/' replaced by '_' so the name can never reach
// outside the folder.
QString ResourceFileName(std::string_view cp1252);

// Text to Windows-1252; none when a character has no place in it.
std::optional<std::string> ToCp1252(const QString& text);

}  // namespace skinwright::platform
