// Feeds arbitrary bytes to `skinpack build --order` as its order file. A list
// it takes holds only names a packet can hold; written out again as a
// "hashtable" side file, as extract writes it, it reads back as the same
// names and ids, so that extract then build gives the same packet.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "cli/resource_order.h"
#include "core/packet_format.h"
#include "core/resource_list.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "an order file", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto table = std::make_unique<skinwright::ResourceTable>();
    static auto again = std::make_unique<skinwright::ResourceTable>();
    skinwright::Clear(*table);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skinwright::cli::OrderResult added = skinwright::cli::AddOrderFile(*table, text);
    if (!added) {
        Require(!added.what.empty(), "was refused without a reason");
        return 0;
    }
    for (int i = 0; i < table->Count(); ++i) {
        const std::string_view name = table->rows[static_cast<std::size_t>(i)].Name();
        Require(name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos,
            "gave a name with a line break or a zero byte");
    }

    skinwright::Clear(*again);
    Require(static_cast<bool>(skinwright::cli::AddOrderFile(*again, skinwright::HashTableText(*table))),
        "written as a hashtable, was refused");
    Require(again->Count() == table->Count(), "written as a hashtable, gave another number of rows");
    for (int i = 0; i < table->Count(); ++i) {
        const skinwright::ResourceEntry& before = table->rows[static_cast<std::size_t>(i)];
        const skinwright::ResourceEntry& after = again->rows[static_cast<std::size_t>(i)];
        Require(before.id == after.id && before.Name() == after.Name(),
            "written as a hashtable, gave another row");
    }
    return 0;
}
