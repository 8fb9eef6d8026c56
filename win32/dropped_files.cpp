#include "dropped_files.h"

#include <shlobj.h>

#include <cstring>
#include <string>
#include <type_traits>

namespace skinwright::win32 {
namespace {

// The characters of one name, from `at` to its NUL; false when the block
// ends first.
template <typename Character>
bool ReadName(const std::byte* block, std::size_t size, std::size_t& at, std::basic_string<Character>& name)
{
    name.clear();
    for (; size - at >= sizeof(Character); at += sizeof(Character)) {
        Character character{};
        std::memcpy(&character, block + at, sizeof character);
        if (character == Character{}) {
            at += sizeof(Character);
            return true;
        }
        name.push_back(character);
    }
    return false;
}

std::wstring WideFromAnsi(const std::string& name)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), length);
    return wide;
}

template <typename Character>
DroppedFiles ReadNames(const std::byte* block, std::size_t size, std::size_t at)
{
    DroppedFiles files;
    std::basic_string<Character> name;
    while (ReadName(block, size, at, name) && !name.empty()) {
        if constexpr (std::is_same_v<Character, char>)
            files.emplace_back(WideFromAnsi(name));
        else
            files.emplace_back(name);
    }
    return files;
}

}  // namespace

DroppedFiles FilesInDropBlock(const std::byte* block, std::size_t size)
{
    DROPFILES header{};
    if (block == nullptr || size < sizeof header)
        return {};
    std::memcpy(&header, block, sizeof header);
    if (header.pFiles < sizeof header || header.pFiles >= size)
        return {};
    return header.fWide ? ReadNames<wchar_t>(block, size, header.pFiles)
                        : ReadNames<char>(block, size, header.pFiles);
}

DroppedFiles FilesInDrop(HGLOBAL drop)
{
    const SIZE_T size = GlobalSize(drop);
    const void* block = GlobalLock(drop);
    if (block == nullptr)
        return {};
    DroppedFiles files = FilesInDropBlock(static_cast<const std::byte*>(block), size);
    GlobalUnlock(drop);
    return files;
}

}  // namespace skinwright::win32
