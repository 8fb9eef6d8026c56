// Feeds arbitrary bytes to the Windows-1252 and UTF-8 conversions, in
// memory. Every Windows-1252 text comes back from UTF-8 unchanged; UTF-8 that
// converts at all converts back to itself; a cut never splits a character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/codepage.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the conversion broke", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = skinwright::Cp1252ToUtf8(bytes);
    Require(skinwright::IsValidUtf8(utf8), "Windows-1252 gave no UTF-8");
    Require(skinwright::Utf8ToCp1252(utf8) == std::string(bytes), "Windows-1252 did not come back");

    if (const auto cp1252 = skinwright::Utf8ToCp1252(bytes)) {
        Require(skinwright::IsValidUtf8(bytes), "text that is no UTF-8 converted");
        Require(skinwright::Cp1252ToUtf8(*cp1252) == bytes, "UTF-8 did not come back");
    }

    const std::size_t characters = size == 0 ? 0 : data[0] % 64;
    const std::size_t cut = skinwright::Utf8PrefixLength(bytes, characters);
    Require(cut <= size, "a cut past the end");
    if (skinwright::IsValidUtf8(bytes))
        Require(skinwright::IsValidUtf8(bytes.substr(0, cut)), "a cut split a character");
    return 0;
}
