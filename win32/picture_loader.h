// Pictures decoded by the system's OLE picture loader, which reads GIF.
#pragma once

#include <windows.h>

#include <filesystem>

namespace skinwright::win32 {

// A bitmap of the picture in the file, the caller's to delete; none when the
// file cannot be read or holds no picture the loader knows.
HBITMAP LoadPictureBitmap(const std::filesystem::path& file);

}  // namespace skinwright::win32
