#include "packet_writer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

#include "binary_file.h"
#include "byte_order.h"
#include "codepage.h"
#include "file_names.h"
#include "replacing_file.h"
#include "resource_list.h"

namespace skinwright {
namespace {

constexpr std::size_t kCopyBufferSize = 1 << 20;

WriteResult PictureFailure(const ResourceTable& table, int row)
{
    const std::string name = Cp1252ToUtf8(table.rows[static_cast<std::size_t>(row)].Name());
    return {Told(WriteStatus::PictureMissing, N_("Resource File: %s does not exist or empty, cannot continue!"), {name}),
            row};
}

WriteResult TooLarge()
{
    return {Told(WriteStatus::TooLarge, N_("The new resource packet would be larger than 2 GiB, cannot continue!"))};
}

unsigned char FoldCase(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: case 0x8C: case 0x8E: return static_cast<unsigned char>(c + 0x10);
    case 0x9F: return 0xFF;
    default: return c;
    }
}

void AppendLe32(std::string& out, std::uint32_t value)
{
    unsigned char bytes[4];
    WriteLe32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

// Everything in front of the data area: text header, names, padding,
// packet header and ID table.
std::string FrontOfPacket(const ResourceTable& table, std::string_view comment)
{
    std::string front = TextHeader(table.headerOffset, comment);
    for (int i = 0; i < table.Count(); ++i) {
        front += table.rows[static_cast<std::size_t>(i)].Name();
        front += '\n';
    }
    front.resize(static_cast<std::size_t>(table.headerOffset), '\0');
    const PacketHeader& header = table.header;
    AppendLe32(front, header.magic);
    AppendLe32(front, static_cast<std::uint32_t>(header.nameListOffset));
    AppendLe32(front, static_cast<std::uint32_t>(header.entryCount));
    AppendLe32(front, static_cast<std::uint32_t>(header.idTableOffset));
    AppendLe32(front, static_cast<std::uint32_t>(header.dataAreaOffset));
    for (int i = 0; i < table.Count(); ++i) {
        const ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        AppendLe32(front, row.id);
        AppendLe32(front, static_cast<std::uint32_t>(row.idOffset));
        AppendLe32(front, static_cast<std::uint32_t>(row.dataOffset));
    }
    return front;
}

// The packet's bytes on their way out, gathered in one buffer and written
// whenever it is full, so that each picture is read straight into its place.
class PacketOutput {
public:
    PacketOutput(BinaryFile& out, std::size_t capacity)
        : out_(out), bytes_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity)
    {
    }

    bool Append(const char* data, std::size_t count)
    {
        while (count > 0) {
            if (FreeSize() == 0 && !Flush())
                return false;
            const std::size_t piece = std::min(count, FreeSize());
            std::memcpy(Free(), data, piece);
            used_ += piece;
            data += piece;
            count -= piece;
        }
        return true;
    }
    // At least `wanted` bytes free, or as many as the buffer holds.
    bool MakeRoom(std::size_t wanted) { return FreeSize() >= wanted || used_ == 0 || Flush(); }
    char* Free() { return bytes_.get() + used_; }
    std::size_t FreeSize() const { return capacity_ - used_; }
    void Added(std::size_t count) { used_ += count; }
    bool Flush()
    {
        const bool written = out_.Write(bytes_.get(), used_);
        used_ = 0;
        return written;
    }

private:
    BinaryFile& out_;
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

// Copies exactly `length` bytes of a picture; false when the picture cannot
// be opened or no longer has the size it was measured with (it ends early,
// or bytes follow the measured length). Asking for one byte more than is
// left finds a picture that has grown; one that fits the buffer is read with
// one call, which also finds its end.
bool CopyPicture(BinaryFile in, std::uint32_t length, PacketOutput& out, bool& writeFailed)
{
    if (!in)
        return false;
    in.DisableBuffering();
    char record[kRecordHeaderSize];
    WriteLe32(reinterpret_cast<unsigned char*>(record), kRecordMagic);
    WriteLe32(reinterpret_cast<unsigned char*>(record) + 4, length);
    if (!out.Append(record, sizeof record) || !out.MakeRoom(std::size_t{length} + 1)) {
        writeFailed = true;
        return false;
    }
    for (std::uint32_t left = length;;) {
        const std::size_t ask = std::min<std::size_t>(std::size_t{left} + 1, out.FreeSize());
        const std::size_t read = in.ReadOnce(out.Free(), ask);
        if (read > left)
            return false;
        out.Added(read);
        left -= static_cast<std::uint32_t>(read);
        if (read < ask)
            return left == 0;
        if (out.FreeSize() == 0 && !out.Flush()) {
            writeFailed = true;
            return false;
        }
    }
}

std::string FoldedCase(std::string_view cp1252)
{
    std::string folded(cp1252);
    for (char& c : folded)
        c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace

std::string StoredComment(std::string_view comment)
{
    std::string stored;
    stored.reserve(comment.size());
    for (char c : comment)
        if (c != '\r')
            stored += c;
    return stored;
}

bool LayoutPacket(ResourceTable& table, std::string_view storedComment)
{
    const std::int64_t nameListOffset = kTextHeaderFixedLength + static_cast<std::int64_t>(storedComment.size());
    const std::int64_t nameListLength = LayoutNameOffsets(table);
    const std::int64_t headerOffset = (nameListOffset + nameListLength + 3) / 4 * 4;
    const std::int64_t dataAreaOffset = headerOffset + kPacketHeaderSize + std::int64_t{kIdRowSize} * table.Count();
    if (dataAreaOffset > kMaxPacketSize)
        return false;
    table.headerOffset = static_cast<std::int32_t>(headerOffset);
    table.header.magic = kPacketMagic;
    table.header.nameListOffset = static_cast<std::int32_t>(nameListOffset);
    table.header.idTableOffset = static_cast<std::int32_t>(headerOffset + kPacketHeaderSize);
    table.header.dataAreaOffset = static_cast<std::int32_t>(dataAreaOffset);
    return true;
}

PictureFolder::PictureFolder(std::filesystem::path folder)
    : folder_(std::move(folder))
{
}

std::optional<std::filesystem::path> PictureFolder::FoldedMatch(const std::string& fileName)
{
    if (!indexed_) {
        indexed_ = true;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path(), error))
            if (const auto bytes = Utf8ToCp1252(PathToUtf8(entry.path().filename())))
                byFoldedName_[FoldedCase(*bytes)].push_back(entry.path().filename());
    }
    const auto folded = byFoldedName_.find(FoldedCase(fileName));
    if (folded == byFoldedName_.end() || folded->second.size() != 1)
        return std::nullopt;
    return folded->second.front();
}

std::int64_t PictureFolder::Measure(int row, std::string_view name)
{
    const auto at = static_cast<std::size_t>(row);
    if (measured_.size() <= at)
        measured_.resize(at + 1);
    if (!IsSafeExportName(name))
        return -1;
    const std::string fileName = PictureFileName(name);
    measured_[at] = PathFromUtf8(Cp1252ToUtf8(fileName));
    if (const std::int64_t size = folder_.RegularFileSize(measured_[at]); size >= 0)
        return size;
    const auto folded = FoldedMatch(fileName);
    if (!folded)
        return -1;
    measured_[at] = *folded;
    return folder_.RegularFileSize(*folded);
}

BinaryFile PictureFolder::Open(int row)
{
    return folder_.OpenRegularFile(measured_.at(static_cast<std::size_t>(row)));
}

WriteResult PlanPacket(ResourceTable& table, std::string_view comment, PictureSource& pictures, PacketPlan& plan)
{
    plan.comment = StoredComment(comment);
    if (!LayoutPacket(table, plan.comment))
        return TooLarge();
    const auto count = static_cast<std::size_t>(table.Count());
    plan.lengths.assign(count, 0);
    std::int64_t dataLength = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t size = pictures.Measure(static_cast<int>(i), table.rows[i].Name());
        if (size <= 0)
            return PictureFailure(table, static_cast<int>(i));
        table.rows[i].dataOffset = static_cast<std::int32_t>(dataLength);
        dataLength += kRecordHeaderSize + size;
        if (table.header.dataAreaOffset + dataLength > kMaxPacketSize)
            return TooLarge();
        plan.lengths[i] = static_cast<std::uint32_t>(size);
    }
    return {};
}

WriteResult WritePacket(const ResourceTable& table, const PacketPlan& plan, PictureSource& pictures, BinaryFile& out)
{
    const WriteResult writeFailed{Told(WriteStatus::WriteFailed, N_("Failed to write new resource packet!"))};
    const std::string front = FrontOfPacket(table, plan.comment);
    // Large enough for the whole packet with a byte to spare, up to the limit.
    std::size_t size = std::min(front.size() + 1, kCopyBufferSize);
    for (const std::uint32_t length : plan.lengths)
        size = std::min(size + kRecordHeaderSize + length, kCopyBufferSize);
    PacketOutput output(out, size);
    if (!output.Append(front.data(), front.size()))
        return writeFailed;
    for (std::size_t i = 0; i < plan.lengths.size(); ++i) {
        bool failedWriting = false;
        if (!CopyPicture(pictures.Open(static_cast<int>(i)), plan.lengths[i], output, failedWriting))
            return failedWriting ? writeFailed : PictureFailure(table, static_cast<int>(i));
    }
    if (!output.Flush())
        return writeFailed;
    return {};
}

WriteResult WritePacketFile(const ResourceTable& table, const PacketPlan& plan, PictureSource& pictures,
    const std::filesystem::path& packetPath)
{
    ReplacingFile packet = ReplacingFile::Create(packetPath);
    if (!packet)
        return {Told(WriteStatus::CannotCreate, N_("Cannot create new resource packet%s!"), {PathToUtf8(packetPath)})};
    packet.Out().DisableBuffering();
    WriteResult written = WritePacket(table, plan, pictures, packet.Out());
    if (written && !packet.Commit(Durability::Synced))
        written.code = WriteStatus::WriteFailed;
    if (written.code == WriteStatus::WriteFailed)
        written = {Told(WriteStatus::WriteFailed, N_("Failed to write new resource packet %s!"), {PathToUtf8(packetPath)})};
    return written;
}

WriteResult GeneratePacketFile(ResourceTable& table, std::string_view comment,
    const std::filesystem::path& workFolder, const std::filesystem::path& packetPath)
{
    PictureFolder pictures(workFolder);
    PacketPlan plan;
    if (WriteResult planned = PlanPacket(table, comment, pictures, plan); !planned)
        return planned;
    return WritePacketFile(table, plan, pictures, packetPath);
}

}  // namespace skinwright
