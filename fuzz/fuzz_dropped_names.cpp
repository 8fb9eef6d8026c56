// Feeds arbitrary lists of paths (split at zero bytes), as a drop on the
// Builder's list or its picture picker gives them, to the naming of new
// rows. A row is added only under a name a packet can hold and export again:
// at most 127 bytes, ending in ".g", hashing to its id, with no line break,
// zero byte or separator; a refusal leaves the list as it was.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/file_names.h"
#include "core/name_hash.h"
#include "core/packet_format.h"
#include "core/resource_list.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "a dropped file's row", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto table = std::make_unique<skinwright::ResourceTable>();
    skinwright::Clear(*table);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        const std::string_view path = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);

        const int before = table->Count();
        const skinwright::AddResult added = skinwright::AddFromPath(*table, path);
        if (!added) {
            Require(!added.what.empty(), "was refused without a reason");
            Require(table->Count() == before, "was refused, yet the list changed");
            continue;
        }
        Require(table->Count() == before + 1, "was added, yet the list did not grow by one");
        const skinwright::ResourceEntry& row = table->rows[static_cast<std::size_t>(before)];
        const std::string_view name = row.Name();
        Require(name.size() <= skinwright::kMaxNameLength && name.ends_with(".g"), "got a name a packet cannot hold");
        Require(name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos,
            "got a name with a line break or a zero byte");
        Require(skinwright::IsSafeExportName(name), "got a name that leaves the folder it is exported into");
        Require(row.id == skinwright::NameHash(name), "got an id that is not its name's hash");
    }
    return 0;
}
