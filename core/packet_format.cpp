#include "packet_format.h"

#include <cstdio>

#include "byte_order.h"

namespace skinwright {

std::string_view ResourceEntry::Name() const
{
    return {name, std::char_traits<char>::length(name)};
}

void ResourceEntry::SetName(std::string_view text)
{
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos)
        text = text.substr(0, zero);
    if (text.size() > kMaxNameLength)
        text = text.substr(0, kMaxNameLength);
    text.copy(name, text.size());
    name[text.size()] = '\0';
}

PacketHeader DecodePacketHeader(const unsigned char* bytes)
{
    return {ReadLe32(bytes), static_cast<std::int32_t>(ReadLe32(bytes + 4)), static_cast<std::int32_t>(ReadLe32(bytes + 8)),
            static_cast<std::int32_t>(ReadLe32(bytes + 12)), static_cast<std::int32_t>(ReadLe32(bytes + 16))};
}

IdRow DecodeIdRow(const unsigned char* bytes)
{
    return {ReadLe32(bytes), static_cast<std::int32_t>(ReadLe32(bytes + 4)), static_cast<std::int32_t>(ReadLe32(bytes + 8))};
}

std::uint32_t HeaderOffsetFromDigits(const char* digits)
{
    std::uint32_t offset = 0;
    for (int k = 0; k < kHeaderOffsetDigits; ++k)
        offset += static_cast<std::uint32_t>(HexDigitValue(digits[k])) << (4 * (kHeaderOffsetDigits - 1 - k));
    return offset;
}

std::string FormatHex32(std::uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::string PlaceholderName(ResourceId id)
{
    char text[16];
    std::snprintf(text, sizeof text, "!!!0x%08X.g", id);
    return text;
}

std::string PictureFileName(std::string_view name)
{
    std::string file(name);
    file += "if";
    return file;
}

std::string HashTableText(const ResourceTable& table)
{
    std::string text;
    for (int i = 0; i < table.Count(); ++i) {
        const ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, "%d %d %d %d ", static_cast<std::int32_t>(row.id), row.idOffset,
            row.dataOffset, i + 1);
        text += numbers;
        text += row.Name();
        text += '\n';
    }
    return text;
}

std::string TextHeader(std::int32_t headerOffset, std::string_view comment)
{
    char digits[kHeaderOffsetDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<std::uint32_t>(headerOffset));
    std::string text(kTextHeaderOpening);
    text += digits;
    text += kCommentsCaption;
    text += comment;
    text += kIdTableCaption;
    return text;
}

bool IsSafeExportName(std::string_view name)
{
    return name.find_first_of("/\\") == std::string_view::npos && name != "." && name != "..";
}

}  // namespace skinwright
