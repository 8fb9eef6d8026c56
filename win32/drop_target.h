// Files dragged onto a window from the shell or another program, through
// OLE drag and drop. The window's rule decides while the files are dragged,
// so the cursor shows at once whether they would be taken; the files of a
// drop are handed over after it, from the window's own messages, so the
// program they came from does not wait on what taking them opens.
#pragma once

#include <windows.h>

#include <functional>

#include "dropped_files.h"

namespace skinwright::win32 {

struct FileDropRules {
    // Asked when files come over the window and again when they are dropped.
    std::function<bool(const DroppedFiles&)> takes;
    // Given the files of a drop that `takes` accepted.
    std::function<void(const DroppedFiles&)> take;
};

// Makes the window a drop target until it is destroyed; the registration
// is revoked before the window goes. A window OLE refuses takes no drops.
void AcceptFileDrops(HWND window, FileDropRules rules);

}  // namespace skinwright::win32
