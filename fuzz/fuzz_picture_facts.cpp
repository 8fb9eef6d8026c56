// Feeds arbitrary bytes to the picture facts, in memory, as a packet's
// record would hold them. Whatever the bytes, the facts hold together: a
// well-formed picture has a screen of some pixels and a frame at least, no
// more frames than its bytes can hold, and a fault is plain text that no
// byte of the picture reaches.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/picture_facts.h"
#include "require.h"

namespace {

// The smallest frame: its introducer, descriptor, LZW code size and the end of its data.
constexpr std::size_t kSmallestFrame = 12;

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the picture facts do not hold together", what);
}

bool IsPlainText(std::string_view text)
{
    for (const char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const skinwright::PictureFacts facts = skinwright::ReadPictureFacts(bytes);
    Require(facts.frames * kSmallestFrame <= size, "more frames than the bytes can hold");
    Require(IsPlainText(facts.fault), "the fault is no plain text");
    Require(facts.hasScreen || facts.frames == 0, "frames without a screen");
    if (facts.WellFormed())
        Require(facts.width > 0 && facts.height > 0 && facts.frames > 0, "a well-formed picture without pixels");
    return 0;
}
