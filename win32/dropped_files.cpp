#include "dropped_files.h"

#include <shellapi.h>

#include <string>

namespace skinwright::win32 {

std::vector<std::filesystem::path> TakeDroppedFiles(HDROP drop)
{
    std::vector<std::filesystem::path> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        files.emplace_back(path);
    }
    DragFinish(drop);
    return files;
}

}  // namespace skinwright::win32
