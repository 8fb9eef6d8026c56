// Feeds arbitrary bytes to the settings file's text, in memory, then sets a
// key the bytes choose to a value they choose: one of the program's own
// sections and keys, or names of the input's own. Whatever the file held: a
// key that could be written reads back as written (up to its first line
// break or NUL), the program's keys can always be written, and another of
// them reads as it did before unless it is the same name (ASCII case and
// spaces and tabs around a name do not count).
#include <algorithm>
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

// The input's first line, taken off it.
std::string_view TakeLine(std::string_view& rest)
{
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return line;
}

std::string_view Trimmed(std::string_view name)
{
    const std::size_t first = name.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view()
                                           : name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The names' rule, as the settings text states it.
bool SameName(std::string_view a, std::string_view b)
{
    a = Trimmed(a);
    b = Trimmed(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // The first byte picks the section and says whether the names are the
    // input's own (its first lines); the second picks the key and the other
    // key compared.
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const bool ownSection = (data[0] & 2) != 0;
    const bool ownKey = (data[0] & 4) != 0;
    const std::string_view section = ownSection ? TakeLine(rest) : kSections[data[0] % 2];
    const std::string_view key = ownKey ? TakeLine(rest) : kKeys[data[1] % 5];
    // The value is the input's last line; the file is what comes before it.
    const std::size_t split = rest.rfind('\n');
    const std::string_view file = split == std::string_view::npos ? std::string_view() : rest.substr(0, split);
    const std::string_view value = split == std::string_view::npos ? rest : rest.substr(split + 1);

    const std::optional<std::string> written = skinwright::WithProfileValue(file, section, key, value);
    if (!written) {
        Require(ownSection || ownKey, "a key of the program's own could not be written");
        return 0;
    }
    const std::string_view stored = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    Require(skinwright::FindProfileValue(*written, section, key) == std::string(stored),
            "the written value does not read back");
    // One other key of the ten: every one is checked across the runs, and a
    // run stays a few passes over the text.
    const std::string_view otherSection = kSections[(data[1] / 5) % 2];
    const std::string_view otherKey = kKeys[(data[1] / 10) % 5];
    if (!SameName(otherSection, section) || !SameName(otherKey, key))
        Require(skinwright::FindProfileValue(*written, otherSection, otherKey)
                    == skinwright::FindProfileValue(file, otherSection, otherKey),
                "another key changed");
    return 0;
}
