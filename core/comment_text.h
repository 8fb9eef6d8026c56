// The comment of a new packet as it will be stored: Windows-1252 text
// without a zero byte. Both the Builder window and skinpack take it here.
#pragma once

#include <string>
#include <string_view>

#include "outcome.h"

namespace skinwright {

struct CommentResult : Outcome<Step> {
    std::string comment;  // in Windows-1252, as it will be stored
};

// A comment given in UTF-8, as typed; refused when Windows-1252 cannot
// represent a character of it, or when it holds a NUL.
CommentResult CommentFromUtf8(std::string_view utf8);

// A comment given as the bytes to store; only a zero byte is refused.
CommentResult CommentFromBytes(std::string_view bytes);

}  // namespace skinwright
