// Writes a packet, in memory, from a resource list the input chooses (names,
// picture bytes, a comment), then reads it back. Either the writer refuses
// with its message, or the reader gives back every row, name and picture
// byte for byte, and the strict check finds nothing wrong.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/binary_file.h"
#include "core/comment_text.h"
#include "core/packet_check.h"
#include "core/packet_reader.h"
#include "core/packet_writer.h"
#include "core/resource_list.h"
#include "memory_pictures.h"
#include "quiet_target.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "a written packet", what);
}

constexpr std::size_t kMaxRows = 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto table = std::make_unique<skinwright::ResourceTable>();
    static skinwright::PacketReader reader;
    FuzzedDataProvider input(data, size);
    const skinwright::CommentResult comment = skinwright::CommentFromBytes(input.ConsumeRandomLengthString(300));
    if (!comment)
        return 0;

    // Names as the Builder makes them (ending in ".g", their hash as id)
    // and GIF pictures, as the strict check expects them.
    skinwright::Clear(*table);
    skinwright::fuzz::MemoryPictures pictures;
    while (input.remaining_bytes() > 0 && pictures.pictures.size() < kMaxRows) {
        const std::string name = input.ConsumeRandomLengthString(skinwright::kMaxNameLength) + ".g";
        std::string picture = "GIF89a" + input.ConsumeRandomLengthString(2000);
        if (input.ConsumeBool())
            picture.clear();  // an empty picture, which the writer refuses
        if (skinwright::AddRow(*table, name, skinwright::NameHash(name)))
            pictures.pictures.push_back(std::move(picture));
    }

    skinwright::PacketPlan plan;
    std::string packet;
    skinwright::WriteResult written = skinwright::PlanPacket(*table, comment.comment, pictures, plan);
    if (written) {
        // Made at its planned size at once, so that a read past its end is
        // one past the memory too, and seen.
        std::size_t planned = static_cast<std::uint32_t>(table->header.dataAreaOffset);
        for (const std::uint32_t length : plan.lengths)
            planned += skinwright::kRecordHeaderSize + length;
        packet.reserve(planned);
        skinwright::BinaryFile out = skinwright::BinaryFile::InMemory(packet);
        written = skinwright::WritePacket(*table, plan, pictures, out);
    }
    if (!written) {
        Require(!written.what.empty(), "was refused without a message");
        return 0;
    }

    bool emptyRows = false;
    for (int i = 0; i < table->Count(); ++i)
        emptyRows = emptyRows || table->rows[static_cast<std::size_t>(i)].id == skinwright::kEmptyRowId;
    Require(emptyRows || skinwright::CheckPacketLayout(packet).empty(), "fails the strict check");

    skinwright::fuzz::QuietTarget target;
    const bool loaded = static_cast<bool>(reader.Load(skinwright::BinaryFile::InMemory(packet), target));
    // No rows and a comment that leaves no padding: an empty name list, which the reader refuses.
    Require(loaded || (table->Count() == 0 && (plan.comment.size() + 2) % 4 == 0), "does not load");
    if (!loaded)
        return 0;
    Require(!target.warned, "loads as damaged");
    int kept = 0;
    // The outputs keep their memory from one run to the next.
    static std::string picture;
    static std::string extracted;
    for (int i = 0; i < table->Count(); ++i) {
        const skinwright::ResourceEntry& row = table->rows[static_cast<std::size_t>(i)];
        if (row.id == skinwright::kEmptyRowId)
            continue;  // a name whose hash marks an empty row reads back as none
        Require(kept < reader.Table().Count(), "lost a row");
        Require(reader.Table().rows[static_cast<std::size_t>(kept)].Name() == row.Name(), "gave back another name");
        Require(reader.ReadResource(kept, picture) == skinwright::RecordStatus::Read
                    && picture == pictures.pictures[static_cast<std::size_t>(i)],
            "gave back other picture bytes");
        extracted.clear();
        skinwright::BinaryFile extractedOut = skinwright::BinaryFile::InMemory(extracted);
        Require(reader.ExtractResource(kept, extractedOut) && extracted == picture, "extracted other picture bytes");
        ++kept;
    }
    Require(kept == reader.Table().Count(), "gained rows");
    return 0;
}
