// Feeds arbitrary bytes to the packet reader as a packet, in memory. When
// they load, every row is extracted and both side files are written, as
// "Save All" does. The strict check (`skinpack verify`) runs on the same
// bytes, and where it finds nothing wrong the reader must take the packet
// whole: loaded, no damage warning, every row kept and extracted as its
// record holds it, the headerfile the packet's front.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/binary_file.h"
#include "core/byte_order.h"
#include "core/packet_check.h"
#include "core/packet_format.h"
#include "core/packet_reader.h"
#include "quiet_target.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the strict check found nothing wrong, yet the reader", what);
}

// The header values of a packet that passed the strict check, so laid out as the writer does.
struct WrittenHeader {
    std::uint32_t headerOffset;
    std::uint32_t nameListOffset;
    std::uint32_t entryCount;
    std::uint32_t dataAreaOffset;
};

WrittenHeader HeaderOf(std::string_view bytes)
{
    const std::uint32_t headerOffset = skinwright::HeaderOffsetFromDigits(bytes.data() + skinwright::kHeaderOffsetDigitsAt);
    const skinwright::PacketHeader header =
        skinwright::DecodePacketHeader(reinterpret_cast<const unsigned char*>(bytes.data() + headerOffset));
    return {headerOffset, static_cast<std::uint32_t>(header.nameListOffset),
        static_cast<std::uint32_t>(header.entryCount), static_cast<std::uint32_t>(header.dataAreaOffset)};
}

// The picture bytes of the record at a data offset of a packet that passed the strict check.
std::string_view RecordAt(std::string_view bytes, const WrittenHeader& header, std::int32_t dataOffset)
{
    const std::size_t at = std::size_t{header.dataAreaOffset} + static_cast<std::uint32_t>(dataOffset);
    const std::uint32_t length = skinwright::ReadLe32(reinterpret_cast<const unsigned char*>(bytes.data() + at + 4));
    return bytes.substr(at + skinwright::kRecordHeaderSize, length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One reader for every run, as the Viewer keeps one for every load.
    static skinwright::PacketReader reader;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool clean = skinwright::CheckPacketLayout(bytes).empty();

    // The input as a packet of exactly its size; the outputs keep their
    // memory from one run to the next.
    std::string packet(bytes);
    static std::string picture;
    static std::string headerFile;
    static std::string hashTable;
    skinwright::fuzz::QuietTarget target;
    const bool loaded = static_cast<bool>(reader.Load(skinwright::BinaryFile::InMemory(packet), target));
    if (clean) {
        // The one packet the writer makes and the reader refuses: no rows and
        // a comment that leaves no padding, so the name list is zero bytes long.
        const WrittenHeader header = HeaderOf(bytes);
        const bool emptyNameList = header.nameListOffset == header.headerOffset;
        Require(loaded || emptyNameList, "did not load it");
        Require(!target.warned, "warned that it is damaged");
        Require(!loaded || reader.Table().Count() == static_cast<int>(header.entryCount), "dropped rows");
    }
    if (!loaded)
        return 0;

    const int count = reader.Table().Count();
    // One past the last row too: that extraction must be refused.
    for (int row = 0; row <= count; ++row) {
        picture.clear();
        skinwright::BinaryFile out = skinwright::BinaryFile::InMemory(picture);
        const bool extracted = reader.ExtractResource(row, out);
        if (!clean)
            continue;
        Require(extracted == (row < count), "failed to extract a row");
        if (extracted) {
            const std::int32_t dataOffset = reader.Table().rows[static_cast<std::size_t>(row)].dataOffset;
            Require(picture == RecordAt(bytes, HeaderOf(bytes), dataOffset), "extracted other bytes");
        }
    }
    headerFile.clear();
    skinwright::BinaryFile headerOut = skinwright::BinaryFile::InMemory(headerFile);
    const bool headerWritten = reader.WriteHeaderFile(headerOut);
    hashTable.clear();
    skinwright::BinaryFile hashOut = skinwright::BinaryFile::InMemory(hashTable);
    reader.WriteHashTable(hashOut);
    if (clean)
        Require(headerWritten && headerFile == bytes.substr(0, HeaderOf(bytes).headerOffset + skinwright::kPacketHeaderSize),
            "wrote another headerfile");
    return 0;
}
