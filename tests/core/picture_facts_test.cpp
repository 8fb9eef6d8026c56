// What the picture facts say of GIFs spelled out byte by byte, of other
// formats, of a GIF cut short at every byte, and of the demo theme's pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_names.h"
#include "core/picture_facts.h"
#include "tests/support/files.h"

namespace skinwright::test {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// A screen of 2x3 pixels with a global table of 4 colours (7 + 12 bytes).
const std::string kScreen = Bytes({2, 0, 3, 0, 0xF1, 0, 0}) + std::string(12, '\x40');
const std::string kLoop = "\x21\xFF\x0BNETSCAPE2.0" + Bytes({3, 1, 0, 0, 0});  // 19 bytes
const std::string kDelay = Bytes({0x21, 0xF9, 4, 0, 10, 0, 0, 0});             // 8 bytes
// The frame's descriptor, LZW code size 2 and one sub-block of 2 bytes (15 bytes).
const std::string kFrame = Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0, 2, 2, 0x4C, 0x01, 0});
const std::string kFrameWithColours =
    Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0x80}) + std::string(6, '\x20') + Bytes({2, 1, 0x4C, 0});

// Offsets: signature 0, screen 6, colours 13, loop 25, delay 44, frame 1 at
// 52, delay 67, frame 2 at 75, trailer 90; 91 bytes.
const std::string kTwoFrames = "GIF89a" + kScreen + kLoop + kDelay + kFrame + kDelay + kFrame + ";";

struct Expected {
    bool hasScreen;
    int width;
    int height;
    std::size_t frames;
    bool loops;
    std::string fault;
};

TEST(PictureFactsTest, WhatHandMadePicturesAre)
{
    const struct {
        const char* what;
        std::string bytes;
        Expected facts;
    } cases[] = {
        {"two frames that loop", kTwoFrames, {true, 2, 3, 2, true, ""}},
        {"one frame of GIF87a, its own colours", "GIF87a" + Bytes({2, 0, 3, 0, 0, 0, 0}) + kFrameWithColours + ";",
            {true, 2, 3, 1, false, ""}},
        {"the other looping extension", "GIF89a" + kScreen + "\x21\xFF\x0B" "ANIMEXTS1.0" + Bytes({3, 1, 5, 0, 0}) + kFrame + ";",
            {true, 2, 3, 1, true, ""}},
        {"an application that is no loop", "GIF89a" + kScreen + "\x21\xFF\x0B" "NETSCAPE2.0" + Bytes({5, 2, 0, 0, 0, 0, 0}) + kFrame + ";",
            {true, 2, 3, 1, false, ""}},
        {"a comment extension", "GIF89a" + kScreen + "\x21\xFE\x02hi" + Bytes({0}) + kFrame + ";", {true, 2, 3, 1, false, ""}},
        {"bytes after the trailer", "GIF89a" + kScreen + kFrame + ";junk", {true, 2, 3, 1, false, ""}},
        {"the largest screen", "GIF89a" + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0}) + kFrame + ";",
            {true, 65535, 65535, 1, false, ""}},
        {"PNG", "\x89PNG\r\n\x1A\n" + std::string(20, '\0'), {false, 0, 0, 0, false, "not a GIF: starts like PNG"}},
        {"JPEG", "\xFF\xD8\xFF\xE0" + std::string(20, '\0'), {false, 0, 0, 0, false, "not a GIF: starts like JPEG"}},
        {"BMP", "BM" + std::string(40, '\0'), {false, 0, 0, 0, false, "not a GIF: starts like BMP"}},
        {"WebP", std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), {false, 0, 0, 0, false, "not a GIF: starts like WebP"}},
        {"a packet", "motoskin\n\nv1.00\n", {false, 0, 0, 0, false, "not a GIF: starts like a packet"}},
        {"text", "hello, world", {false, 0, 0, 0, false, "not a GIF: no GIF signature"}},
        {"another version", "GIF90a" + kScreen + kFrame + ";", {false, 0, 0, 0, false, "not a GIF87a or GIF89a: unknown version"}},
        {"no width", "GIF89a" + Bytes({0, 0, 3, 0, 0, 0, 0}) + kFrame + ";", {true, 0, 3, 0, false, "the logical screen is 0x3"}},
        {"256 colours claimed, 3 given", "GIF89a" + Bytes({2, 0, 3, 0, 0xF7, 0, 0, 1, 2, 3}),
            {true, 2, 3, 0, false, "cut short in the global colour table"}},
        {"no frame", "GIF89a" + kScreen + kDelay + ";", {true, 2, 3, 0, false, "holds no frame"}},
        {"a zero where a block starts", "GIF89a" + kScreen + kFrame + Bytes({0}) + ";",
            {true, 2, 3, 1, false, "unknown block 0x00 after frame 1"}},
        {"LZW code size 9", "GIF89a" + kScreen + Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0, 9, 0}) + ";",
            {true, 2, 3, 0, false, "frame 1: LZW code size 9 is not 1 to 8"}},
        {"LZW code size 0", "GIF89a" + kScreen + kFrame + Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0, 0, 0}) + ";",
            {true, 2, 3, 1, false, "frame 2: LZW code size 0 is not 1 to 8"}},
    };
    for (const auto& c : cases) {
        const PictureFacts facts = ReadPictureFacts(c.bytes);
        EXPECT_EQ(c.facts.fault, facts.fault) << c.what;
        EXPECT_EQ(c.facts.fault.empty(), facts.WellFormed()) << c.what;
        EXPECT_EQ(c.facts.hasScreen, facts.hasScreen) << c.what;
        EXPECT_EQ(c.facts.width, facts.width) << c.what;
        EXPECT_EQ(c.facts.height, facts.height) << c.what;
        EXPECT_EQ(c.facts.frames, facts.frames) << c.what;
        EXPECT_EQ(c.facts.loops, facts.loops) << c.what;
    }
}

TEST(PictureFactsTest, ACutAtEveryByteSaysWhereItFell)
{
    ASSERT_EQ(91u, kTwoFrames.size());
    // The fault of the first `kept` bytes, for every `kept` from `from` up to the next row's.
    const struct {
        std::size_t from;
        const char* fault;
    } cuts[] = {
        {0, "empty"},
        {1, "cut short in the signature"},
        {6, "cut short in the logical screen"},
        {13, "cut short in the global colour table"},
        {25, "cut short before the first frame (no trailer)"},
        {26, "cut short in an extension before the first frame"},
        {44, "cut short before the first frame (no trailer)"},
        {45, "cut short in an extension before the first frame"},
        {52, "cut short before the first frame (no trailer)"},
        {53, "cut short in frame 1"},
        {67, "cut short after frame 1 (no trailer)"},
        {68, "cut short in an extension after frame 1"},
        {75, "cut short after frame 1 (no trailer)"},
        {76, "cut short in frame 2"},
        {90, "cut short after frame 2 (no trailer)"},
        {91, ""},
    };
    std::size_t row = 0;
    for (std::size_t kept = 0; kept <= kTwoFrames.size(); ++kept) {
        if (row + 1 < std::size(cuts) && kept == cuts[row + 1].from)
            ++row;
        EXPECT_EQ(cuts[row].fault, ReadPictureFacts(kTwoFrames.substr(0, kept)).fault) << kept << " bytes kept";
    }
}

TEST(PictureFactsTest, EveryDemoPictureIsAWellFormedGifOfOneFrame)
{
    // The sizes the demo theme's icons are drawn at, in make_demo_theme.py.
    const struct {
        const char* file;
        int width;
        int height;
    } pictures[] = {
        {"back.gif", 24, 24}, {"battery_full.gif", 32, 16}, {"call.gif", 32, 32}, {"camera.gif", 40, 30},
        {"clock.gif", 48, 48}, {"lock.gif", 20, 24}, {"menu.gif", 32, 32}, {"message.gif", 32, 24},
        {"music.gif", 32, 32}, {"ok.gif", 24, 24}, {"settings.gif", 48, 48}, {"signal_3.gif", 16, 12},
    };
    const std::filesystem::path theme = PathFromUtf8(SKINWRIGHT_DEMO_THEME);
    ASSERT_EQ(std::size(pictures), ListFolder(theme).size());
    for (const auto& picture : pictures) {
        const std::string bytes = ReadFile(theme / picture.file);
        const PictureFacts facts = ReadPictureFacts(bytes);
        EXPECT_EQ("", facts.fault) << picture.file;
        EXPECT_EQ(picture.width, facts.width) << picture.file;
        EXPECT_EQ(picture.height, facts.height) << picture.file;
        EXPECT_EQ(1u, facts.frames) << picture.file;
        EXPECT_FALSE(facts.loops) << picture.file;
        // Cut anywhere before its trailer, it is faulty.
        for (std::size_t kept = 0; kept < bytes.size(); ++kept)
            EXPECT_FALSE(ReadPictureFacts(std::string_view(bytes).substr(0, kept)).WellFormed()) << picture.file << kept;
    }
}

}  // namespace
}  // namespace skinwright::test
