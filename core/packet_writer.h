// Writing a new packet from a resource list, a comment and a work folder of
// pictures: lay out, measure every picture, write front to back.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "outcome.h"
#include "packet_format.h"

namespace skinwright {

enum class WriteStatus {
    Written,
    PictureMissing,   // missing, unreadable, empty, or changed since it was measured
    TooLarge,         // the packet would end beyond 2^31 - 1 bytes
    CannotCreate,     // the packet file could not be created
    WriteFailed,      // a write, flush or the final rename failed
};

struct WriteResult : Outcome<WriteStatus> {
    int row = -1;  // the failing row, for PictureMissing
};

// The comment as stored: every CR removed.
std::string StoredComment(std::string_view comment);

// Sets the table's headerOffset, header values and every row's idOffset for
// a comment without CRs. Returns false when the header cannot stay below 2 GiB.
bool LayoutPacket(ResourceTable& table, std::string_view storedComment);

// The pictures of a work folder. A resource's picture is its name with "if"
// appended. Where the file system tells case apart, a file whose name differs
// only in case is found too, as on Windows, unless several do (Windows could
// not hold them side by side). A name that could leave the folder finds none.
class PictureFolder {
public:
    explicit PictureFolder(std::filesystem::path folder);
    std::optional<std::filesystem::path> Find(std::string_view name);

private:
    std::filesystem::path folder_;
    bool indexed_ = false;
    std::map<std::string, std::vector<std::filesystem::path>> byFoldedName_;
};

// What measuring found: each row's picture file and its length.
struct PacketPlan {
    std::string comment;  // CRs removed
    std::vector<std::filesystem::path> pictures;
    std::vector<std::uint32_t> lengths;
};

// Lays the packet out and measures every picture, before anything is written.
WriteResult PlanPacket(ResourceTable& table, std::string_view comment, const std::filesystem::path& workFolder,
    PacketPlan& plan);

// Writes the planned packet front to back. Each picture is copied with
// exactly its measured length; one that changed since fails its row.
WriteResult WritePacket(const ResourceTable& table, const PacketPlan& plan, const std::filesystem::path& packetPath);

// Lays out, measures and writes the packet. It is written to a temporary file
// beside the target and renamed over it only when complete; on failure the
// target is untouched. The table keeps the offsets laid out, as far as
// measuring got.
WriteResult GeneratePacketFile(ResourceTable& table, std::string_view comment,
    const std::filesystem::path& workFolder, const std::filesystem::path& packetPath);

}  // namespace skinwright
