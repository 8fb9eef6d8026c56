#include "picture_loader.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace skinwright::win32 {
namespace {

std::vector<char> FileBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The stream owns the memory and frees it when released.
IStream* StreamOver(const std::vector<char>& bytes)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr)
        return nullptr;
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

}  // namespace

HBITMAP LoadPictureBitmap(const std::filesystem::path& file)
{
    const std::vector<char> bytes = FileBytes(file);
    if (bytes.empty())
        return nullptr;
    IStream* stream = StreamOver(bytes);
    if (stream == nullptr)
        return nullptr;
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                          reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(loaded) || picture == nullptr)
        return nullptr;

    HBITMAP copy = nullptr;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle)))
        copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP,
                                              0, 0, LR_CREATEDIBSECTION));
    picture->Release();
    return copy;
}

}  // namespace skinwright::win32
