// Writing a new packet from a resource list, a comment and a work folder of
// pictures: lay out, measure every picture, write front to back.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "binary_file.h"
#include "open_folder.h"
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

// Where the writer takes the pictures from: a work folder, or bytes in memory.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The length of the picture of the resource in the row as it stands now,
    // or -1 when there is none.
    virtual std::int64_t Measure(int row, std::string_view name) = 0;
    // The picture measured for the row, open for reading; not open when it
    // can no longer be opened.
    virtual BinaryFile Open(int row) = 0;
};

// The pictures of a work folder. A resource's picture is its name with "if"
// appended. Where the file system tells case apart, a file whose name differs
// only in case is found too, as on Windows, unless several do (Windows could
// not hold them side by side). A name that could leave the folder finds none.
class PictureFolder final : public PictureSource {
public:
    explicit PictureFolder(std::filesystem::path folder);
    std::int64_t Measure(int row, std::string_view name) override;
    BinaryFile Open(int row) override;

private:
    // The one file name of the folder that differs from this one only in case.
    std::optional<std::filesystem::path> FoldedMatch(const std::string& fileName);

    OpenFolder folder_;
    bool indexed_ = false;
    std::map<std::string, std::vector<std::filesystem::path>> byFoldedName_;  // file names
    std::vector<std::filesystem::path> measured_;                             // file names, by row
};

// What measuring found: the stored comment and each row's picture length.
struct PacketPlan {
    std::string comment;  // CRs removed
    std::vector<std::uint32_t> lengths;
};

// Lays the packet out and measures every picture, before anything is written.
WriteResult PlanPacket(ResourceTable& table, std::string_view comment, PictureSource& pictures, PacketPlan& plan);

// Writes the planned packet front to back into an open file or buffer. Each
// picture is copied with exactly its measured length; one that changed since
// fails its row.
WriteResult WritePacket(const ResourceTable& table, const PacketPlan& plan, PictureSource& pictures, BinaryFile& out);

// Writes the planned packet to a temporary file beside the target, renamed
// over it only when complete; on failure the target is untouched.
WriteResult WritePacketFile(const ResourceTable& table, const PacketPlan& plan, PictureSource& pictures,
    const std::filesystem::path& packetPath);

// Lays out, measures and writes the packet file from the pictures of a work
// folder. The table keeps the offsets laid out, as far as measuring got.
WriteResult GeneratePacketFile(ResourceTable& table, std::string_view comment,
    const std::filesystem::path& workFolder, const std::filesystem::path& packetPath);

}  // namespace skinwright
