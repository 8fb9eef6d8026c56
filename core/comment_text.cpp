#include "comment_text.h"

#include "codepage.h"

namespace skinwright {
namespace {

CommentResult Refused(std::string why)
{
    return {Failure(std::move(why)), {}};
}

}  // namespace

CommentResult CommentFromUtf8(std::string_view utf8)
{
    const auto bytes = Utf8ToCp1252(utf8);
    if (!bytes)
        return Refused("the comment is not UTF-8 text that Windows-1252 can represent");
    return CommentFromBytes(*bytes);
}

CommentResult CommentFromBytes(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return Refused("the comment holds a zero byte");
    return {{}, std::string(bytes)};
}

}  // namespace skinwright
