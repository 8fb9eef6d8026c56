// The data a file dragged out of a window carries through OLE drag and
// drop: the file's name as CF_HDROP, as the shell's own drags carry files.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <filesystem>

namespace skinwright::win32 {

// A data object, its one reference the caller's, whose only format is
// CF_HDROP in global memory: a DROPFILES block naming `file` in wide
// characters, made afresh for each GetData, the receiver's to free. Null
// when there is no memory for it.
IDataObject* MakeFileDataObject(const std::filesystem::path& file);

}  // namespace skinwright::win32
