#include "packet_fixtures.h"

namespace skinwright::cli::test {
namespace {

void AppendLe32(std::string& bytes, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes += static_cast<char>((value >> (8 * k)) & 0xFF);
}

}  // namespace

std::string Picture(std::size_t size, unsigned seed)
{
    std::string picture = seed % 2 == 0 ? "GIF89a" : "GIF87a";
    for (std::size_t i = picture.size(); i < size; ++i)
        picture += static_cast<char>((i * 31 + seed * 7) & 0xFF);
    picture.resize(size);
    return picture;
}

std::string OkPicture()
{
    return Picture(43, 0);
}

std::string BackPicture()
{
    return Picture(35, 1);
}

std::string TwoResourcePacket()
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

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + static_cast<std::size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

}  // namespace skinwright::cli::test
