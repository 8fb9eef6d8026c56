#include "packet_pictures.h"

#include "core/name_hash.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {

std::unique_ptr<PacketPictures> PacketPictures::Open(const std::filesystem::path& path, std::ostream& err)
{
    std::unique_ptr<PacketReader> reader = OpenPacket(path, err);
    if (!reader)
        return nullptr;
    auto pictures = std::make_unique<PacketPictures>(std::move(reader), path);
    if (!pictures->records_) {
        err << "skinpack: cannot read packet " << DisplayPath(path) << ": cannot open file\n";
        return nullptr;
    }
    return pictures;
}

PacketPictures::PacketPictures(std::unique_ptr<PacketReader> reader, const std::filesystem::path& path)
    : reader_(std::move(reader)), records_(path)
{
}

void PacketPictures::Read(int row, RowPicture& picture)
{
    picture.status = records_.Read(Table(), row, picture.bytes);
    picture.facts = picture.Read() ? ReadPictureFacts(picture.bytes) : PictureFacts{};
}

bool HasDamagedName(const ResourceEntry& row)
{
    return NameHash(row.Name()) != row.id;
}

}  // namespace skinwright::cli
