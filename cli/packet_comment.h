// The comment of a new packet taken over from the text header of a packet
// or a "headerfile".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/comment_text.h"

namespace skinwright::cli {

// The comment in the leading bytes of a packet, up to and including its
// packet header: the text between "Comments:" and "ID table:". None when the
// bytes do not hold a text header laid out so.
std::optional<std::string> CommentInLeadingBytes(std::string_view leading);

// The comment of a packet file or a "headerfile".
CommentResult CommentOfPacketFile(const std::filesystem::path& path);

}  // namespace skinwright::cli
