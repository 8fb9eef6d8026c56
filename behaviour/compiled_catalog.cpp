#include "compiled_catalog.h"

namespace skinwright::behaviour {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr std::size_t kHeaderSize = 20;

std::uint32_t Swapped(std::uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0xff00u) | ((value << 8) & 0xff0000u) | (value << 24);
}

}  // namespace

CompiledCatalog::CompiledCatalog(std::string_view bytes) : bytes_(bytes)
{
    const std::optional<std::uint32_t> magic = Word(0);
    if (!magic || (*magic != kMagic && *magic != kSwappedMagic) || bytes.size() < kHeaderSize)
        return;
    swapped_ = *magic == kSwappedMagic;
    const std::uint32_t count = *Word(8);
    const std::uint32_t originals = *Word(12);
    const std::uint32_t translations = *Word(16);
    const std::uint64_t tableSize = std::uint64_t{count} * 8;
    if (originals + tableSize > bytes.size() || translations + tableSize > bytes.size())
        return;
    count_ = count;
    originals_ = originals;
    translations_ = translations;
}

std::optional<std::uint32_t> CompiledCatalog::Word(std::size_t offset) const
{
    if (offset > bytes_.size() || bytes_.size() - offset < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes_[offset + static_cast<std::size_t>(i)]);
    return swapped_ ? Swapped(value) : value;
}

std::optional<std::string_view> CompiledCatalog::Text(std::uint32_t table, std::uint32_t index) const
{
    const std::size_t entry = std::size_t{table} + std::size_t{index} * 8;
    const std::optional<std::uint32_t> length = Word(entry);
    const std::optional<std::uint32_t> offset = Word(entry + 4);
    if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length)
        return std::nullopt;
    return bytes_.substr(*offset, *length);
}

std::optional<std::string_view> CompiledCatalog::Find(std::string_view english) const
{
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const std::optional<std::string_view> original = Text(originals_, middle);
        if (!original)
            return std::nullopt;
        // Sorted as unsigned bytes, as string_view compares them.
        const int order = original->compare(english);
        if (order < 0) {
            low = middle + 1;
        } else if (order > 0) {
            high = middle;
        } else {
            const std::optional<std::string_view> translation = Text(translations_, middle);
            if (!translation || translation->empty())
                return std::nullopt;
            return translation;
        }
    }
    return std::nullopt;
}

}  // namespace skinwright::behaviour
