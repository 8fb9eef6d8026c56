// Feeds arbitrary bytes to the packet reader as a packet file. When they load,
// every row is extracted and both side files are written, as "Save All" does.
// The strict check (`skinpack verify`) runs on the same bytes, and where it
// finds nothing wrong the reader must take the packet whole: loaded, no
// damage warning, every row kept and extractable.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "core/byte_order.h"
#include "core/packet_check.h"
#include "core/packet_format.h"
#include "core/packet_reader.h"
#include "require.h"

namespace {

class QuietTarget final : public skinwright::LoadTarget {
public:
    bool warned = false;

    void FoundDamagedNames() override { warned = true; }
    void ClearList() override {}
    void AddListRow(int, const skinwright::ResourceEntry&) override {}
    void Loaded(int) override {}
};

// A folder of this process's own for the packet and everything written from it.
class Scratch {
public:
    Scratch()
        : folder_(std::filesystem::temp_directory_path() / ("fuzz_packet_reader." + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
    }
    ~Scratch()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return folder_ / name; }

private:
    std::filesystem::path folder_;
};

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the strict check found nothing wrong, yet the reader", what);
}

// The header values of a packet that passed the strict check, so laid out as the writer does.
struct WrittenHeader {
    std::uint32_t headerOffset;
    std::uint32_t nameListOffset;
    std::uint32_t entryCount;
};

WrittenHeader HeaderOf(std::string_view bytes)
{
    const std::uint32_t headerOffset = skinwright::HeaderOffsetFromDigits(bytes.data() + skinwright::kHeaderOffsetDigitsAt);
    const skinwright::PacketHeader header =
        skinwright::DecodePacketHeader(reinterpret_cast<const unsigned char*>(bytes.data() + headerOffset));
    return {headerOffset, static_cast<std::uint32_t>(header.nameListOffset), static_cast<std::uint32_t>(header.entryCount)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Scratch scratch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool clean = skinwright::CheckPacketLayout(bytes).empty();

    const std::filesystem::path packet = scratch / "iconres.ezx";
    {
        std::ofstream out(packet, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    auto reader = std::make_unique<skinwright::PacketReader>();
    QuietTarget target;
    const bool loaded = static_cast<bool>(reader->LoadPacket(packet, target));
    if (clean) {
        // The one packet the writer makes and the reader refuses: no rows and
        // a comment that leaves no padding, so the name list is zero bytes long.
        const WrittenHeader header = HeaderOf(bytes);
        const bool emptyNameList = header.nameListOffset == header.headerOffset;
        Require(loaded || emptyNameList, "did not load it");
        Require(!target.warned, "warned that it is damaged");
        Require(!loaded || reader->Table().Count() == static_cast<int>(header.entryCount), "dropped rows");
    }
    if (!loaded)
        return 0;

    const std::filesystem::path resource = scratch / "resource.gif";
    // One past the last row too: that extraction must be refused.
    for (int row = 0; row <= reader->Table().Count(); ++row) {
        const bool extracted = reader->ExtractResource(row, resource);
        if (clean)
            Require(extracted == (row < reader->Table().Count()), "failed to extract a row");
    }
    reader->WriteHeaderFile(scratch / "headerfile");
    reader->WriteHashTable(scratch / "hashtable");
    return 0;
}
