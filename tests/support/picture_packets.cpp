#include "picture_packets.h"

#include "core/name_hash.h"
#include "core/packet_format.h"
#include "packet_bytes.h"

namespace skinwright::test {

PacketPicture Named(std::string name, std::string picture)
{
    const std::uint32_t id = NameHash(name);
    return {std::move(name), std::move(picture), id};
}

std::string PacketOfPictures(std::string_view comment, const std::vector<PacketPicture>& rows)
{
    std::string nameList;
    std::string dataArea;
    std::vector<PacketRow> table;
    for (const PacketPicture& row : rows) {
        const auto idOffset = static_cast<std::int32_t>(nameList.size());
        table.push_back({row.id, idOffset, static_cast<std::int32_t>(dataArea.size())});
        nameList += row.name + "\n";
        AppendLe32(dataArea, 0xDCBAABCD);
        AppendLe32(dataArea, static_cast<std::uint32_t>(row.picture.size()));
        dataArea += row.picture;
    }
    const auto nameListOffset = static_cast<std::int32_t>(kTextHeaderFixedLength + comment.size());
    std::string packet =
        HandMadePacket(nameList, nameListOffset, static_cast<std::uint32_t>(rows.size()), table, dataArea);
    packet.replace(kCommentAt, comment.size(), comment);
    return packet;
}

}  // namespace skinwright::test
