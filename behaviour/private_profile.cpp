#include "private_profile.h"

#include "core/binary_file.h"
#include "core/codepage.h"
#include "core/profile_text.h"
#include "core/replacing_file.h"

namespace skinwright::behaviour {
namespace {

// A settings file stays far below this; a larger one is not taken for one.
constexpr std::int64_t kMaxProfileSize = 1 << 20;

std::optional<std::string> ReadWhole(const std::filesystem::path& file)
{
    BinaryFile opened = BinaryFile::OpenForReading(file);
    const std::int64_t size = opened ? opened.Size() : -1;
    if (size < 0 || size > kMaxProfileSize)
        return std::nullopt;
    std::string contents(static_cast<std::size_t>(size), '\0');
    if (opened.Read(contents.data(), contents.size()) != contents.size())
        return std::nullopt;
    return contents;
}

std::string_view Cut(std::string_view value, std::size_t limit)
{
    if (limit == 0)
        return {};
    return value.substr(0, Utf8PrefixLength(value, limit - 1));
}

}  // namespace

std::optional<std::string> FindProfileString(const std::filesystem::path& file, std::string_view section,
                                             std::string_view key)
{
    const auto contents = ReadWhole(file);
    if (!contents)
        return std::nullopt;
    return FindProfileValue(*contents, section, key);
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t limit)
{
    const auto found = FindProfileString(file, section, key);
    return std::string(Cut(found ? std::string_view(*found) : defaultValue, limit));
}

bool WriteProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value)
{
    // A file that exists but cannot be read is not replaced: its other keys would be lost.
    std::error_code error;
    const bool exists = std::filesystem::symlink_status(file, error).type() != std::filesystem::file_type::not_found;
    const auto existing = exists ? ReadWhole(file) : std::string();
    if (!existing)
        return false;
    const auto updated = WithProfileValue(*existing, section, key, value);
    if (!updated)
        return false;
    return ReplaceFileContents(file, *updated, Durability::Synced);
}

}  // namespace skinwright::behaviour
