// Writing a loaded packet out into a folder, as "Save All ..." and
// `skinpack extract` do: the side files headerfile and hashtable, then every
// row's picture under its export name, in the rows' order. What fails is told
// as it happens, for the caller to put into words; a row whose name would
// leave the folder is not written at all.
#pragma once

#include <filesystem>

#include "packet_reader.h"

namespace skinwright {

class ExportListener {
public:
    virtual ~ExportListener() = default;
    virtual void SideFileFailed(const std::filesystem::path& target) = 0;
    // A file named after the row's name (Windows-1252) would leave the folder.
    virtual void NameLeavesFolder(std::string_view name) = 0;
    virtual void PictureFailed(const std::filesystem::path& target) = 0;
};

struct ExportCounts {
    int rows = 0;
    int failures = 0;  // pictures not written, those with names that would leave the folder included
    int sideFileFailures = 0;
};

ExportCounts ExportPacket(PacketReader& reader, const std::filesystem::path& folder, ExportListener& listener);

}  // namespace skinwright
