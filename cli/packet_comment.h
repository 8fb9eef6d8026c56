// The comment of a new packet: typed, from a text file, or taken over from
// the text header of a packet or a "headerfile".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace skinwright::cli {

struct CommentResult {
    bool ok = true;
    std::string comment;  // in Windows-1252, as it will be stored
    std::string error;
};

// A comment given in UTF-8.
CommentResult CommentFromUtf8(std::string_view utf8);

// A comment given as the bytes to store; only a zero byte is refused.
CommentResult CommentFromBytes(std::string_view bytes);

// The comment in the leading bytes of a packet, up to and including its
// packet header: the text between "Comments:" and "ID table:". None when the
// bytes do not hold a text header laid out so.
std::optional<std::string> CommentInLeadingBytes(std::string_view leading);

// The comment of a packet file or a "headerfile".
CommentResult CommentOfPacketFile(const std::filesystem::path& path);

}  // namespace skinwright::cli
