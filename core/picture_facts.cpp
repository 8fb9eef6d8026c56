// A GIF, front to back:
//
//   signature        "GIF87a" or "GIF89a"
//   logical screen   width, height (16 bits each), flags, background, aspect
//   colour table     3 bytes per colour, 2^(n+1) colours, when the flags say so
//   blocks           0x2C a frame, 0x21 an extension, until 0x3B the trailer
//
// A frame is its descriptor (position, size, flags), its own colour table
// when the flags say so, the LZW code size and the compressed pixels as
// sub-blocks. An extension is its label and sub-blocks. A sub-block is a
// length byte and that many bytes; a length of 0 ends the run.
#include "picture_facts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace skinwright {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kGif87a = "GIF87a";
constexpr std::string_view kGif89a = "GIF89a";
constexpr std::size_t kSignatureSize = kGif89a.size();

constexpr std::uint8_t kFrameIntroducer = 0x2C;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kApplicationLabel = 0xFF;

constexpr std::size_t kScreenSize = 7;
constexpr std::size_t kFrameDescriptorSize = 9;  // after the introducer
constexpr std::uint8_t kColourTableFlag = 0x80;

// The pixels of a frame take at most 8 bits each.
constexpr unsigned kMinLzwCodeSize = 1;
constexpr unsigned kMaxLzwCodeSize = 8;

// The application extension that makes a browser or a phone play the frames
// in a loop: its name, then a sub-block of 1 and the loop count.
constexpr std::array<std::string_view, 2> kLoopApplications = {"NETSCAPE2.0", "ANIMEXTS1.0"};
constexpr std::size_t kLoopBlockSize = 3;
constexpr std::uint8_t kLoopBlockId = 1;

// Other formats a picture may start like, named so that a renamed file is told apart.
struct OtherFormat {
    std::string_view start;
    std::string_view name;
};
constexpr std::array<OtherFormat, 7> kOtherFormats = {{
    {"\x89PNG\r\n\x1A\n"sv, "PNG"},
    {"\xFF\xD8\xFF"sv, "JPEG"},
    {"BM"sv, "BMP"},
    {"\0\0\1\0"sv, "an icon (ICO)"},
    {"II*\0"sv, "TIFF"},
    {"MM\0*"sv, "TIFF"},
    {"motoskin"sv, "a packet"},
}};
constexpr std::string_view kRiff = "RIFF";
constexpr std::string_view kWebp = "WEBP";
constexpr std::size_t kWebpAt = 8;

std::string SignatureFault(std::string_view bytes)
{
    if (bytes.empty())
        return "empty";
    if (bytes.size() < kSignatureSize && (kGif87a.starts_with(bytes) || kGif89a.starts_with(bytes)))
        return "cut short in the signature";
    if (bytes.starts_with(kGif87a) || bytes.starts_with(kGif89a))
        return "";
    if (bytes.starts_with("GIF"))
        return "not a GIF87a or GIF89a: unknown version";
    for (const OtherFormat& format : kOtherFormats)
        if (bytes.starts_with(format.start))
            return "not a GIF: starts like " + std::string(format.name);
    if (bytes.starts_with(kRiff) && bytes.substr(std::min(bytes.size(), kWebpAt)).starts_with(kWebp))
        return "not a GIF: starts like WebP";
    return "not a GIF: no GIF signature";
}

std::uint8_t ByteAt(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint8_t>(bytes[at]);
}

// The bytes not yet read. A take that asks for more than is left takes
// nothing and says so.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

    bool Take(std::size_t count, std::string_view& taken)
    {
        if (count > bytes_.size())
            return false;
        taken = bytes_.substr(0, count);
        bytes_.remove_prefix(count);
        return true;
    }

    bool Skip(std::size_t count)
    {
        std::string_view skipped;
        return Take(count, skipped);
    }

    bool TakeByte(std::uint8_t& value)
    {
        std::string_view taken;
        if (!Take(1, taken))
            return false;
        value = ByteAt(taken, 0);
        return true;
    }

    std::string_view Rest() const { return bytes_; }

private:
    std::string_view bytes_;
};

int Le16(std::string_view bytes, std::size_t at)
{
    return ByteAt(bytes, at) | ByteAt(bytes, at + 1) << 8;
}

// 3 bytes a colour, 2^(n+1) colours for the lowest three bits n of the flags.
std::size_t ColourTableSize(std::uint8_t flags)
{
    return (flags & kColourTableFlag) != 0 ? std::size_t{3} << ((flags & 7) + 1) : 0;
}

class GifReader {
public:
    explicit GifReader(std::string_view bytes) : cursor_(bytes) {}

    PictureFacts Read()
    {
        if (ReadScreen())
            ReadBlocks();
        return std::move(facts_);
    }

private:
    bool Fail(std::string fault)
    {
        facts_.fault = std::move(fault);
        return false;
    }

    // Where the blocks read so far end, for a fault found there.
    std::string Place() const
    {
        return facts_.frames == 0 ? "before the first frame" : "after frame " + std::to_string(facts_.frames);
    }

    bool ReadScreen()
    {
        std::string_view screen;
        if (!cursor_.Take(kScreenSize, screen))
            return Fail("cut short in the logical screen");
        facts_.hasScreen = true;
        facts_.width = Le16(screen, 0);
        facts_.height = Le16(screen, 2);
        if (facts_.width == 0 || facts_.height == 0)
            return Fail("the logical screen is " + std::to_string(facts_.width) + "x" + std::to_string(facts_.height));
        if (!cursor_.Skip(ColourTableSize(ByteAt(screen, 4))))
            return Fail("cut short in the global colour table");
        return true;
    }

    void ReadBlocks()
    {
        for (;;) {
            std::uint8_t introducer = 0;
            if (!cursor_.TakeByte(introducer)) {
                Fail("cut short " + Place() + " (no trailer)");
                return;
            }
            switch (introducer) {
            case kFrameIntroducer:
                if (!ReadFrame())
                    return;
                break;
            case kExtensionIntroducer:
                if (!ReadExtension())
                    return;
                break;
            case kTrailer:
                if (facts_.frames == 0)
                    Fail("holds no frame");
                return;
            default:
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", introducer);
                Fail("unknown block " + std::string(hex) + " " + Place());
                return;
            }
        }
    }

    bool ReadFrame()
    {
        const std::string frame = "frame " + std::to_string(facts_.frames + 1);
        std::string_view descriptor;
        std::uint8_t codeSize = 0;
        if (!cursor_.Take(kFrameDescriptorSize, descriptor)
            || !cursor_.Skip(ColourTableSize(ByteAt(descriptor, 8)))
            || !cursor_.TakeByte(codeSize))
            return Fail("cut short in " + frame);
        if (codeSize < kMinLzwCodeSize || codeSize > kMaxLzwCodeSize)
            return Fail(frame + ": LZW code size " + std::to_string(codeSize) + " is not 1 to 8");
        if (!SkipSubBlocks())
            return Fail("cut short in " + frame);
        ++facts_.frames;
        return true;
    }

    bool ReadExtension()
    {
        std::uint8_t label = 0;
        if (!cursor_.TakeByte(label))
            return Fail("cut short in an extension " + Place());
        if (label == kApplicationLabel)
            NoteLooping(cursor_.Rest());
        if (!SkipSubBlocks())
            return Fail("cut short in an extension " + Place());
        return true;
    }

    // An application extension's first sub-block is its name; a looping
    // application's second is 1 and the loop count.
    void NoteLooping(std::string_view blocks)
    {
        if (blocks.empty())
            return;
        const std::size_t nameLength = ByteAt(blocks, 0);
        const std::string_view name = blocks.substr(1, nameLength);
        const std::string_view loop = blocks.substr(std::min(blocks.size(), 1 + nameLength));
        if (std::ranges::find(kLoopApplications, name) != kLoopApplications.end() && loop.size() > kLoopBlockSize
            && ByteAt(loop, 0) == kLoopBlockSize && ByteAt(loop, 1) == kLoopBlockId)
            facts_.loops = true;
    }

    bool SkipSubBlocks()
    {
        for (;;) {
            std::uint8_t length = 0;
            if (!cursor_.TakeByte(length) || !cursor_.Skip(length))
                return false;
            if (length == 0)
                return true;
        }
    }

    ByteCursor cursor_;
    PictureFacts facts_;
};

}  // namespace

PictureFacts ReadPictureFacts(std::string_view bytes)
{
    PictureFacts facts;
    facts.fault = SignatureFault(bytes);
    if (!facts.WellFormed())
        return facts;
    return GifReader(bytes.substr(kSignatureSize)).Read();
}

}  // namespace skinwright
