// The files named in a drop, read from the CF_HDROP block it hands over.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <vector>

namespace skinwright::win32 {

using DroppedFiles = std::vector<std::filesystem::path>;

// The names in a CF_HDROP block of `size` bytes: a DROPFILES header, then,
// at its offset pFiles, each name ended by a NUL and the list by an empty
// name; wide names, or names in the ANSI code page when fWide is false. No
// byte past the block is read, whatever the header says: a block shorter
// than its header or an offset outside the block names no file, and a name
// the block ends in before its NUL is left out, with those after it.
DroppedFiles FilesInDropBlock(const std::byte* block, std::size_t size);

// The names in a CF_HDROP block held in global memory, read within the
// size of that memory; none when it cannot be locked.
DroppedFiles FilesInDrop(HGLOBAL drop);

}  // namespace skinwright::win32
