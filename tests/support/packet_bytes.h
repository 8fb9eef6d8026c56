// Packets put together byte by byte, without the writer, so that they can
// stand as the expected bytes of what the core writes and reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::test {

void AppendLe32(std::string& bytes, std::uint32_t value);
// Overwrites the four bytes at `at`.
void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value);

struct PacketRow {
    std::uint32_t id;
    std::int32_t idOffset;
    std::int32_t dataOffset;
};

// A text header whose comment fills up to `nameListOffset`, the name list,
// zero padding to a multiple of 4, a packet header with the given entry
// count and the offsets that follow from the rows, the rows and the data area.
std::string HandMadePacket(std::string_view nameList, std::int32_t nameListOffset, std::uint32_t entryCount,
    const std::vector<PacketRow>& rows, std::string_view dataArea);

// The 202-byte packet of ok.g (OkPicture) and back.g (BackPicture) with an
// empty comment, every byte spelled out.
std::string WorkedExamplePacket();

}  // namespace skinwright::test
