#include "packet_pictures.h"

#include "core/name_hash.h"
#include "packet_loading.h"

namespace skinwright::cli {

std::unique_ptr<PacketPictures> PacketPictures::Open(const std::filesystem::path& path, std::ostream& err)
{
    std::unique_ptr<PacketReader> reader = OpenPacket(path, err);
    if (!reader)
        return nullptr;
    return std::make_unique<PacketPictures>(std::move(reader));
}

PacketPictures::PacketPictures(std::unique_ptr<PacketReader> reader) : reader_(std::move(reader)) {}

void PacketPictures::Read(int row, RowPicture& picture)
{
    picture.status = reader_->ReadResource(row, picture.bytes);
    picture.facts = picture.Read() ? ReadPictureFacts(picture.bytes) : PictureFacts{};
}

bool HasDamagedName(const ResourceEntry& row)
{
    return NameHash(row.Name()) != row.id;
}

}  // namespace skinwright::cli
