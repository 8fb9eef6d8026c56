// Feeds arbitrary bytes to the packet reader as a packet file. When they load,
// every row is extracted and both side files are written, as "Save All" does.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "core/packet_reader.h"

namespace {

class SilentTarget final : public skinwright::LoadTarget {
public:
    void ShowDamagedWarning(std::string_view) override {}
    void ClearList() override {}
    void AddListRow(int, const skinwright::ResourceEntry&) override {}
    void SetStatus(std::string_view) override {}
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Scratch scratch;
    const std::filesystem::path packet = scratch / "iconres.ezx";
    {
        std::ofstream out(packet, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    auto reader = std::make_unique<skinwright::PacketReader>();
    SilentTarget target;
    if (!reader->LoadPacket(packet, target).loaded)
        return 0;
    const std::filesystem::path resource = scratch / "resource.gif";
    // One past the last row too: that extraction must be refused.
    for (int row = 0; row <= reader->Table().Count(); ++row)
        reader->ExtractResource(row, resource);
    reader->WriteHeaderFile(scratch / "headerfile");
    reader->WriteHashTable(scratch / "hashtable");
    return 0;
}
