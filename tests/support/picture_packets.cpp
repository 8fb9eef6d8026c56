#include "picture_packets.h"

#include "core/name_hash.h"
#include "core/packet_format.h"
#include "files.h"
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

void MakePacket(const std::filesystem::path& path, const std::vector<std::string>& names,
                const std::function<std::string(std::size_t row)>& pictureOf)
{
    std::vector<PacketPicture> rows;
    for (std::size_t i = 0; i < names.size(); ++i)
        rows.push_back(Named(names[i], pictureOf(i)));
    WriteFile(path, PacketOfPictures("test", rows));
}

}  // namespace skinwright::test
