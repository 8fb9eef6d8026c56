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

// The facts in a line: the screen when read, the frames read whole, "loops", and the fault or "ok".
std::string Described(const PictureFacts& facts)
{
    std::string text = facts.hasScreen ? std::to_string(facts.width) + "x" + std::to_string(facts.height) + ", " : "";
    text += "frames " + std::to_string(facts.frames) + ", " + (facts.loops ? "loops, " : "");
    return text + (facts.WellFormed() ? "ok" : facts.fault);
}

TEST(PictureFactsTest, WhatHandMadePicturesAre)
{
    const struct {
        std::string bytes;
        const char* facts;
    } cases[] = {
        {kTwoFrames, "2x3, frames 2, loops, ok"},
        {"GIF87a" + Bytes({2, 0, 3, 0, 0, 0, 0}) + kFrameWithColours + ";", "2x3, frames 1, ok"},
        {"GIF89a" + kScreen + "\x21\xFF\x0B" "ANIMEXTS1.0" + Bytes({3, 1, 5, 0, 0}) + kFrame + ";",
            "2x3, frames 1, loops, ok"},
        {"GIF89a" + kScreen + "\x21\xFF\x0B" "NETSCAPE2.0" + Bytes({5, 2, 0, 0, 0, 0, 0}) + kFrame + ";",
            "2x3, frames 1, ok"},
        {"GIF89a" + kScreen + "\x21\xFE\x02hi" + Bytes({0}) + kFrame + ";", "2x3, frames 1, ok"},
        {"GIF89a" + kScreen + kFrame + ";bytes after the trailer", "2x3, frames 1, ok"},
        {"GIF89a" + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0}) + kFrame + ";", "65535x65535, frames 1, ok"},
        {"\x89PNG\r\n\x1A\n" + std::string(20, '\0'), "frames 0, not a GIF: starts like PNG"},
        {"\xFF\xD8\xFF\xE0" + std::string(20, '\0'), "frames 0, not a GIF: starts like JPEG"},
        {"BM" + std::string(40, '\0'), "frames 0, not a GIF: starts like BMP"},
        {std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), "frames 0, not a GIF: starts like WebP"},
        {std::string("MM\0*\0\0\0\x08", 8), "frames 0, not a GIF: starts like TIFF"},
        {"MMXX", "frames 0, not a GIF: no GIF signature"},
        {"motoskin\n\nv1.00\n", "frames 0, not a GIF: starts like a packet"},
        {"hello, world", "frames 0, not a GIF: no GIF signature"},
        {"GIF90a" + kScreen + kFrame + ";", "frames 0, not a GIF87a or GIF89a: unknown version"},
        {"GIF89a" + Bytes({0, 0, 3, 0, 0, 0, 0}) + kFrame + ";", "0x3, frames 0, the logical screen is 0x3"},
        {"GIF89a" + Bytes({2, 0, 3, 0, 0xF7, 0, 0, 1, 2, 3}), "2x3, frames 0, cut short in the global colour table"},
        {"GIF89a" + kScreen + kDelay + ";", "2x3, frames 0, holds no frame"},
        {"GIF89a" + kScreen + kFrame + Bytes({0}) + ";", "2x3, frames 1, unknown block 0x00 after frame 1"},
        {"GIF89a" + kScreen + Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0, 9, 0}) + ";",
            "2x3, frames 0, frame 1: LZW code size 9 is not 1 to 8"},
        {"GIF89a" + kScreen + kFrame + Bytes({0x2C, 0, 0, 0, 0, 2, 0, 3, 0, 0, 0, 0}) + ";",
            "2x3, frames 1, frame 2: LZW code size 0 is not 1 to 8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.facts, Described(ReadPictureFacts(c.bytes))) << c.facts;
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
        const char* facts;
    } pictures[] = {
        {"back.gif", "24x24, frames 1, ok"}, {"battery_full.gif", "32x16, frames 1, ok"},
        {"call.gif", "32x32, frames 1, ok"}, {"camera.gif", "40x30, frames 1, ok"},
        {"clock.gif", "48x48, frames 1, ok"}, {"lock.gif", "20x24, frames 1, ok"},
        {"menu.gif", "32x32, frames 1, ok"}, {"message.gif", "32x24, frames 1, ok"},
        {"music.gif", "32x32, frames 1, ok"}, {"ok.gif", "24x24, frames 1, ok"},
        {"settings.gif", "48x48, frames 1, ok"}, {"signal_3.gif", "16x12, frames 1, ok"},
    };
    const std::filesystem::path theme = PathFromUtf8(SKINWRIGHT_DEMO_THEME);
    ASSERT_EQ(std::size(pictures), ListFolder(theme).size());
    for (const auto& picture : pictures) {
        const std::string bytes = ReadFile(theme / picture.file);
        EXPECT_EQ(picture.facts, Described(ReadPictureFacts(bytes))) << picture.file;
        // Cut anywhere before its trailer, it is faulty.
        for (std::size_t kept = 0; kept < bytes.size(); ++kept)
            EXPECT_FALSE(ReadPictureFacts(bytes.substr(0, kept)).WellFormed()) << picture.file << " cut at " << kept;
    }
}

}  // namespace
}  // namespace skinwright::test
