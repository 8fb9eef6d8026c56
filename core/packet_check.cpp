#include "packet_check.h"

#include <cstdint>
#include <cstdio>

#include "byte_order.h"
#include "name_hash.h"
#include "packet_format.h"

namespace skinwright {
namespace {

class Findings {
public:
    void Add(std::string text)
    {
        if (lines_.size() < kMaxListedFindings)
            lines_.push_back(std::move(text));
        else
            ++unlisted_;
    }
    std::vector<std::string> Take()
    {
        if (unlisted_ > 0)
            lines_.push_back(std::to_string(unlisted_) + " more findings");
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    std::size_t unlisted_ = 0;
};

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

std::string RowLabel(std::size_t index, ResourceId id)
{
    return "row " + std::to_string(index + 1) + " (id " + FormatHex32(id) + ")";
}

std::uint32_t Le32At(std::string_view bytes, std::uint64_t at)
{
    return ReadLe32(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

struct Header {
    std::uint64_t headerOffset = 0;
    std::uint32_t magic = 0;
    std::int64_t nameListOffset = 0;
    std::int64_t entryCount = 0;
    std::int64_t idTableOffset = 0;
    std::int64_t dataAreaOffset = 0;
};

void CheckTextHeader(std::string_view bytes, Findings& findings)
{
    if (bytes.substr(0, kTextHeaderOpening.size()) != kTextHeaderOpening)
        findings.Add("text header: does not begin with \"motoskin\", a blank line and \"v1.00\"");
    for (int k = 0; k < kHeaderOffsetDigits; ++k) {
        const char c = bytes[static_cast<std::size_t>(kHeaderOffsetDigitsAt + k)];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            findings.Add("text header: the header offset is not 8 lower-case hexadecimal digits");
            break;
        }
    }
    if (bytes.substr(kTextHeaderLength, kCommentsCaption.size()) != kCommentsCaption)
        findings.Add("text header: no \"Comments:\" caption after the header offset");
}

Header ReadHeader(std::string_view bytes, std::uint64_t headerOffset)
{
    const PacketHeader read = DecodePacketHeader(reinterpret_cast<const unsigned char*>(bytes.data() + headerOffset));
    return {headerOffset, read.magic, read.nameListOffset, read.entryCount, read.idTableOffset, read.dataAreaOffset};
}

// The header values that follow from each other; false when the ID table
// cannot be read at all.
bool CheckHeader(std::string_view bytes, const Header& header, Findings& findings)
{
    const auto headerOffset = static_cast<std::int64_t>(header.headerOffset);
    if (header.headerOffset % 4 != 0)
        findings.Add("packet header: at " + Hex(header.headerOffset) + ", not a multiple of 4");
    if (header.magic != kPacketMagic)
        findings.Add("packet header: magic " + Hex(header.magic) + ", expected " + Hex(kPacketMagic));
    if (header.nameListOffset < kTextHeaderFixedLength || header.nameListOffset > headerOffset)
        findings.Add("packet header: name list offset " + Hex(static_cast<std::uint32_t>(header.nameListOffset))
            + " lies outside the text before the packet header");
    if (header.entryCount < 0 || header.entryCount > kTableCapacity)
        findings.Add("packet header: entry count " + std::to_string(header.entryCount) + " is not 0 to 2048");
    if (header.idTableOffset != headerOffset + kPacketHeaderSize)
        findings.Add("packet header: ID table offset " + Hex(static_cast<std::uint32_t>(header.idTableOffset))
            + ", expected " + Hex(header.headerOffset + kPacketHeaderSize));
    const std::int64_t count = header.entryCount < 0 ? 0 : header.entryCount;
    const std::int64_t tableEnd = headerOffset + kPacketHeaderSize + kIdRowSize * count;
    if (header.dataAreaOffset != tableEnd)
        findings.Add("packet header: data area offset " + Hex(static_cast<std::uint32_t>(header.dataAreaOffset))
            + ", expected " + Hex(static_cast<std::uint64_t>(tableEnd)));
    if (tableEnd > static_cast<std::int64_t>(bytes.size())) {
        findings.Add("ID table: cut off by the end of the file");
        return false;
    }
    return true;
}

void CheckComment(std::string_view bytes, const Header& header, Findings& findings)
{
    if (header.nameListOffset < kTextHeaderFixedLength || header.nameListOffset > static_cast<std::int64_t>(header.headerOffset))
        return;
    const auto captionAt = static_cast<std::size_t>(header.nameListOffset) - kIdTableCaption.size();
    if (bytes.substr(captionAt, kIdTableCaption.size()) != kIdTableCaption)
        findings.Add("text header: no \"ID table:\" caption before the name list");
    const std::string_view comment = bytes.substr(kCommentAt, captionAt - kCommentAt);
    if (comment.find_first_of(std::string_view("\r\0", 2)) != std::string_view::npos)
        findings.Add("text header: the comment holds a CR or a zero byte");
}

IdRow RowAt(std::string_view bytes, const Header& header, std::size_t index)
{
    const std::uint64_t at = header.headerOffset + kPacketHeaderSize + std::uint64_t{kIdRowSize} * index;
    return DecodeIdRow(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

// Walks the name list as the writer lays it out: names back to back, each
// ending in LF, then the zero padding up to the packet header.
void CheckNames(std::string_view bytes, const Header& header, std::size_t count, Findings& findings)
{
    if (header.nameListOffset < kTextHeaderFixedLength || header.nameListOffset > static_cast<std::int64_t>(header.headerOffset))
        return;
    const std::string_view list = bytes.substr(static_cast<std::size_t>(header.nameListOffset),
        static_cast<std::size_t>(header.headerOffset) - static_cast<std::size_t>(header.nameListOffset));
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const IdRow row = RowAt(bytes, header, i);
        const std::string label = RowLabel(i, row.id);
        if (row.id == kEmptyRowId)
            findings.Add(label + ": an empty row");
        if (row.idOffset != static_cast<std::int64_t>(at))
            findings.Add(label + ": name offset " + Hex(static_cast<std::uint32_t>(row.idOffset)) + ", expected "
                + Hex(at));
        const std::size_t end = list.find('\n', at);
        if (end == std::string_view::npos) {
            findings.Add(label + ": its name is cut off by the packet header");
            return;
        }
        const std::string_view name = list.substr(at, end - at);
        if (name.size() > kMaxNameLength)
            findings.Add(label + ": its name is longer than 127 bytes");
        if (name.find_first_of(std::string_view("\r\0", 2)) != std::string_view::npos)
            findings.Add(label + ": its name holds a CR or a zero byte");
        if (!name.ends_with(".g"))
            findings.Add(label + ": its name does not end in \".g\"");
        if (NameHash(name) != row.id)
            findings.Add(label + ": its name hashes to " + FormatHex32(NameHash(name)));
        at = end + 1;
    }
    const std::size_t padding = list.size() - at;
    if (padding > 3 || list.substr(at).find_first_not_of('\0') != std::string_view::npos)
        findings.Add("name list: followed by " + std::to_string(padding)
            + " bytes before the packet header instead of 0 to 3 zero bytes");
}

// Walks the data records as the writer lays them out: back to back from the
// data area's start, each a GIF picture, the last one ending the file.
void CheckRecords(std::string_view bytes, const Header& header, std::size_t count, Findings& findings)
{
    if (header.dataAreaOffset < 0 || header.dataAreaOffset > static_cast<std::int64_t>(bytes.size())) {
        findings.Add("data area: its offset lies outside the file");
        return;
    }
    const auto start = static_cast<std::uint64_t>(header.dataAreaOffset);
    std::uint64_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const IdRow row = RowAt(bytes, header, i);
        const std::string label = RowLabel(i, row.id);
        if (row.dataOffset != static_cast<std::int64_t>(offset))
            findings.Add(label + ": data offset " + Hex(static_cast<std::uint32_t>(row.dataOffset)) + ", expected "
                + Hex(offset));
        const std::uint64_t at = start + offset;
        if (at + kRecordHeaderSize > bytes.size()) {
            findings.Add(label + ": its record is cut off by the end of the file");
            return;
        }
        if (Le32At(bytes, at) != kRecordMagic)
            findings.Add(label + ": record magic " + Hex(Le32At(bytes, at)) + ", expected " + Hex(kRecordMagic));
        const std::uint32_t length = Le32At(bytes, at + 4);
        if (length == 0)
            findings.Add(label + ": its record is empty");
        if (at + kRecordHeaderSize + length > bytes.size()) {
            findings.Add(label + ": its record is cut off by the end of the file");
            return;
        }
        const std::string_view data = bytes.substr(at + kRecordHeaderSize, length);
        if (length > 0 && !data.starts_with("GIF87a") && !data.starts_with("GIF89a"))
            findings.Add(label + ": its record does not hold a GIF picture");
        offset += kRecordHeaderSize + length;
    }
    if (start + offset < bytes.size())
        findings.Add("data area: " + std::to_string(bytes.size() - start - offset)
            + " bytes follow the last record");
}

}  // namespace

std::vector<std::string> CheckPacketLayout(std::string_view bytes)
{
    Findings findings;
    if (bytes.size() < kTextHeaderFixedLength) {
        findings.Add("shorter than the 50 bytes of an empty text header");
        return findings.Take();
    }
    CheckTextHeader(bytes, findings);
    const std::uint64_t headerOffset = HeaderOffsetFromDigits(bytes.data() + kHeaderOffsetDigitsAt);
    if (headerOffset < kTextHeaderFixedLength || headerOffset + kPacketHeaderSize > bytes.size()) {
        findings.Add("text header: header offset " + Hex(headerOffset) + " leaves no room for the packet header");
        return findings.Take();
    }
    const Header header = ReadHeader(bytes, headerOffset);
    const bool tableReadable = CheckHeader(bytes, header, findings);
    CheckComment(bytes, header, findings);
    if (!tableReadable)
        return findings.Take();
    const auto count = static_cast<std::size_t>(header.entryCount < 0 ? 0 : header.entryCount);
    CheckNames(bytes, header, count, findings);
    CheckRecords(bytes, header, count, findings);
    return findings.Take();
}

}  // namespace skinwright
