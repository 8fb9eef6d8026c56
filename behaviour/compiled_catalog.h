// Looks a text up in a compiled gettext catalog: a header, then two tables
// of (length, offset) pairs, the English texts sorted by their bytes and
// their translations in the same order.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skinwright::behaviour {

class CompiledCatalog {
public:
    // A catalog whose header or tables do not lie within its bytes finds
    // nothing.
    explicit CompiledCatalog(std::string_view bytes);

    // The translation of an English text; none where the catalog has none
    // or an empty one.
    std::optional<std::string_view> Find(std::string_view english) const;

private:
    std::optional<std::uint32_t> Word(std::size_t offset) const;
    std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const;

    std::string_view bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

}  // namespace skinwright::behaviour
