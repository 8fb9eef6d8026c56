// Paths as the windows handle them: QString in the windows, file-system
// paths for the core, and names in Windows-1252 inside packets.
#pragma once

#include <filesystem>
#include <string_view>

#include <QString>

namespace skinwright::platform {

// The path in the file system's own encoding, and back.
std::filesystem::path ToFileSystemPath(const QString& path);
QString FromFileSystemPath(const std::filesystem::path& path);

// A name stored in Windows-1252, for showing it.
QString DisplayName(std::string_view cp1252);

}  // namespace skinwright::platform
