// A file dragged out of a window onto the shell, another program or
// another window, through OLE drag and drop. The file is only copied: a
// target that asks to move it is refused, so the file stays where it is.
#pragma once

#include <filesystem>

namespace skinwright::win32 {

// Runs the drag of the file from the left mouse button now held down
// until it is let go (the drop), or Esc is pressed or another button
// comes down (no drop).
void DragFileOut(const std::filesystem::path& file);

}  // namespace skinwright::win32
