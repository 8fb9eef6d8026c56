#include <gtest/gtest.h>

#include "core/packet_format.h"

namespace skinwright {
namespace {

TEST(TextHeader, FramesTheCommentWithTheCaptionsAndTheOffsetsDigits)
{
    const struct {
        const char* what;
        std::int32_t headerOffset;
        std::string_view comment;
        std::string_view header;
    } cases[] = {
        {"empty comment", 0x40, "",
            "motoskin\n\nv1.00\n00000040\n\nComments:\n\n\n\nID table:\n\n"},
        {"two-line comment", 0x4C, "Theme A\nby me",
            "motoskin\n\nv1.00\n0000004c\n\nComments:\n\nTheme A\nby me\n\nID table:\n\n"},
        {"letters in lower case", static_cast<std::int32_t>(0x7ABCDEFA), "x",
            "motoskin\n\nv1.00\n7abcdefa\n\nComments:\n\nx\n\nID table:\n\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextHeader(c.headerOffset, c.comment), c.header) << c.what;
}

}  // namespace
}  // namespace skinwright
