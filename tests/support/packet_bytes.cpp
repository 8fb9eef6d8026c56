#include "packet_bytes.h"

#include <cstdio>

#include "pictures.h"

namespace skinwright::test {

void AppendLe32(std::string& bytes, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes += static_cast<char>((value >> (8 * k)) & 0xFF);
}

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t k = 0; k < 4; ++k)
        bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

std::string HandMadePacket(std::string_view nameList, std::int32_t nameListOffset, std::uint32_t entryCount,
    const std::vector<PacketRow>& rows, std::string_view dataArea)
{
    const std::string comment(static_cast<std::size_t>(nameListOffset - 50), 'c');
    std::size_t headerOffset = static_cast<std::size_t>(nameListOffset) + nameList.size();
    headerOffset += (4 - headerOffset % 4) % 4;
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08zx", headerOffset);
    std::string packet = "motoskin\n\nv1.00\n" + std::string(digits) + "\n\nComments:\n\n" + comment
        + "\n\nID table:\n\n" + std::string(nameList);
    packet.resize(headerOffset, '\0');
    const auto idTableOffset = static_cast<std::uint32_t>(headerOffset + 20);
    AppendLe32(packet, 0xABCDDCBA);
    AppendLe32(packet, static_cast<std::uint32_t>(nameListOffset));
    AppendLe32(packet, entryCount);
    AppendLe32(packet, idTableOffset);
    AppendLe32(packet, idTableOffset + 12 * static_cast<std::uint32_t>(rows.size()));
    for (const PacketRow& row : rows) {
        AppendLe32(packet, row.id);
        AppendLe32(packet, static_cast<std::uint32_t>(row.idOffset));
        AppendLe32(packet, static_cast<std::uint32_t>(row.dataOffset));
    }
    packet += dataArea;
    return packet;
}

std::string WorkedExamplePacket()
{
    std::string packet = "motoskin\n\nv1.00\n00000040\n\nComments:\n\n\n\nID table:\n\nok.g\nback.g\n";
    packet.append(2, '\0');
    for (std::uint32_t value : {0xABCDDCBAu, 50u, 2u, 84u, 108u, 0x2EFu, 0u, 0u, 0x8DFu, 5u, 51u})
        AppendLe32(packet, value);
    AppendLe32(packet, 0xDCBAABCD);
    AppendLe32(packet, 43);
    packet += OkPicture();
    AppendLe32(packet, 0xDCBAABCD);
    AppendLe32(packet, 35);
    packet += BackPicture();
    return packet;
}

}  // namespace skinwright::test
