#include "packet_comment.h"

#include <cstdint>

#include "core/binary_file.h"
#include "core/byte_order.h"
#include "core/packet_format.h"

namespace skinwright::cli {
namespace {

// The text header, name list and packet header together stay far below this
// for any packet the writer can make from 2048 names and an edited comment.
constexpr std::int64_t kMaxLeadingBytes = 64 << 20;

std::uint32_t HeaderOffsetOf(std::string_view leading)
{
    return HeaderOffsetFromDigits(leading.data() + kHeaderOffsetDigitsAt);
}

CommentResult Refused(std::string why)
{
    return {Failure(std::move(why)), {}};
}

}  // namespace

std::optional<std::string> CommentInLeadingBytes(std::string_view leading)
{
    if (leading.size() < kTextHeaderLength)
        return std::nullopt;
    const std::uint64_t headerOffset = HeaderOffsetOf(leading);
    if (headerOffset + kPacketHeaderSize > leading.size())
        return std::nullopt;
    const auto nameListOffset = static_cast<std::uint32_t>(
        DecodePacketHeader(reinterpret_cast<const unsigned char*>(leading.data() + headerOffset)).nameListOffset);
    if (nameListOffset < kTextHeaderFixedLength || nameListOffset > headerOffset)
        return std::nullopt;
    const std::size_t commentEnd = nameListOffset - kIdTableCaption.size();
    if (leading.substr(kTextHeaderLength, kCommentsCaption.size()) != kCommentsCaption
        || leading.substr(commentEnd, kIdTableCaption.size()) != kIdTableCaption)
        return std::nullopt;
    return std::string(leading.substr(kCommentAt, commentEnd - kCommentAt));
}

CommentResult CommentOfPacketFile(const std::filesystem::path& path)
{
    BinaryFile file = BinaryFile::OpenForReading(path);
    if (!file)
        return Refused("cannot open it as a file");
    std::string leading(kTextHeaderLength, '\0');
    if (file.Read(leading.data(), leading.size()) != leading.size())
        return Refused("shorter than 24 bytes");
    const std::int64_t length = std::int64_t{HeaderOffsetOf(leading)} + kPacketHeaderSize;
    if (length > file.Size() || length > kMaxLeadingBytes)
        return Refused("its header offset lies beyond its end");
    leading.resize(static_cast<std::size_t>(length));
    if (!file.Seek(0) || file.Read(leading.data(), leading.size()) != leading.size())
        return Refused("cannot read it");
    const auto comment = CommentInLeadingBytes(leading);
    if (!comment)
        return Refused("holds no text header with \"Comments:\" and \"ID table:\"");
    return CommentFromBytes(*comment);
}

}  // namespace skinwright::cli
