// The fixed text around the header offset's digits and the comment, as
// TextHeader writes it; the comment and verify find the comment by it.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/packet_format.h"

namespace skinwright::cli {

inline constexpr std::string_view kTextHeaderOpening = "motoskin\n\nv1.00\n";  // before the digits
inline constexpr std::string_view kCommentsCaption = "\n\nComments:\n\n";      // after the digits
inline constexpr std::string_view kIdTableCaption = "\n\nID table:\n\n";       // before the name list
inline constexpr std::size_t kCommentAt = kTextHeaderLength + kCommentsCaption.size();

static_assert(kTextHeaderOpening.size() == kHeaderOffsetDigitsAt);
static_assert(kCommentAt + kIdTableCaption.size() == kTextHeaderFixedLength);

}  // namespace skinwright::cli
