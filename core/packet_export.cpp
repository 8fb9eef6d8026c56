#include "packet_export.h"

#include "codepage.h"
#include "file_names.h"

namespace skinwright {
namespace {

using SideFileWriter = bool (PacketReader::*)(const std::filesystem::path&);

}  // namespace

ExportCounts ExportPacket(PacketReader& reader, const std::filesystem::path& folder, ExportListener& listener)
{
    ExportCounts counts;
    using SideFile = std::pair<const char*, SideFileWriter>;
    for (const auto& [name, write] :
        {SideFile{"headerfile", &PacketReader::WriteHeaderFile}, SideFile{"hashtable", &PacketReader::WriteHashTable}}) {
        const std::filesystem::path target = folder / name;
        if (!(reader.*write)(target)) {
            listener.SideFileFailed(target);
            ++counts.sideFileFailures;
        }
    }

    const ResourceTable& table = reader.Table();
    counts.rows = table.Count();
    // Extracting into a fresh folder, every name is new.
    const OpenFolder open(folder, OpenFolder::Listing::Taken);
    for (int row = 0; row < table.Count(); ++row) {
        const std::string_view name = table.rows[static_cast<std::size_t>(row)].Name();
        if (!IsSafeExportName(name)) {
            listener.NameLeavesFolder(name);
            ++counts.failures;
            continue;
        }
        const std::filesystem::path file = PathFromUtf8(Cp1252ToUtf8(PictureFileName(name)));
        if (!reader.ExtractResource(row, open, file)) {
            listener.PictureFailed(folder / file);
            ++counts.failures;
        }
    }
    return counts;
}

}  // namespace skinwright
