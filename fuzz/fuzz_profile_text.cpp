// Feeds arbitrary bytes to the settings file's text, in memory, then sets a
// key the bytes choose to a value they choose. Whatever the file held: the
// key reads back as written (up to its first line break or NUL), and any
// other key of the known sections reads as it did before.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/profile_text.h"
#include "require.h"

namespace {

constexpr std::string_view kSections[] = {"default", "build"};
constexpr std::string_view kKeys[] = {"LastResFile", "OutputFolder", "WorkFolder", "Commnets", "ResToSave"};

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the settings text broke", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string_view section = kSections[data[0] % 2];
    const std::string_view key = kKeys[data[1] % 5];
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    // The value is the input's last line; the file is what comes before it.
    const std::size_t split = rest.rfind('\n');
    const std::string_view file = split == std::string_view::npos ? std::string_view() : rest.substr(0, split);
    const std::string_view value = split == std::string_view::npos ? rest : rest.substr(split + 1);

    const std::optional<std::string> written = skinwright::WithProfileValue(file, section, key, value);
    Require(written.has_value(), "a known key could not be written");
    const std::string_view stored = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    Require(skinwright::FindProfileValue(*written, section, key) == std::string(stored),
            "the written value does not read back");
    // One other key of the ten, chosen by the input as well: every one is
    // checked across the runs, and a run stays a few passes over the text.
    const std::string_view otherSection = kSections[(data[1] / 5) % 2];
    const std::string_view otherKey = kKeys[(data[1] / 10) % 5];
    if (otherSection != section || otherKey != key)
        Require(skinwright::FindProfileValue(*written, otherSection, otherKey)
                    == skinwright::FindProfileValue(file, otherSection, otherKey),
                "another key changed");
    return 0;
}
