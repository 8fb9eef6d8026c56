#include "resource_list.h"

#include "codepage.h"

namespace skinwright {
namespace {

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "\\/";
#else
constexpr std::string_view kPathSeparators = "/";
#endif

AddResult Refuse(AddStatus status, std::string message)
{
    return {status, std::move(message)};
}

}  // namespace

AddResult AddRow(ResourceTable& table, std::string_view name, ResourceId id)
{
    if (table.header.entryCount >= kTableCapacity)
        return Refuse(AddStatus::TableFull, "The resource list is full (2048 resources).");
    if (name.size() > kMaxNameLength)
        return Refuse(AddStatus::NameTooLong, "The resource name is longer than 127 bytes.");
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return Refuse(AddStatus::NameHasBadByte, "The resource name holds a line break or a zero byte.");
    ResourceEntry& row = table.rows[static_cast<std::size_t>(table.header.entryCount)];
    row = ResourceEntry{};
    row.id = id;
    row.SetName(name);
    ++table.header.entryCount;
    return {};
}

AddResult AddFromPath(ResourceTable& table, std::string_view utf8Path)
{
    const std::size_t separator = utf8Path.find_last_of(kPathSeparators);
    const std::string_view fileName =
        separator == std::string_view::npos ? utf8Path : utf8Path.substr(separator + 1);
    if (!IsValidUtf8(fileName))
        return Refuse(AddStatus::NotUtf8, "The file name is not valid UTF-8, the encoding of the system's file names.");
    const auto bytes = Utf8ToCp1252(fileName);
    if (!bytes)
        return Refuse(AddStatus::NotRepresentable, "The file name holds characters that Windows-1252 cannot represent.");
    std::string name = bytes->substr(0, bytes->size() >= 4 ? bytes->size() - 4 : 0);
    name += ".g";
    if (!IsSafeExportName(name))
        return Refuse(AddStatus::NameHasSeparator, "The resource name holds a slash or a backslash.");
    return AddRow(table, name, NameHash(name));
}

void RemoveAt(ResourceTable& table, int index)
{
    const int count = table.header.entryCount;
    if (index < 0 || index >= count)
        return;
    for (int i = index; i + 1 < count; ++i)
        table.rows[static_cast<std::size_t>(i)] = table.rows[static_cast<std::size_t>(i + 1)];
    table.header.entryCount = count - 1;
}

void Clear(ResourceTable& table)
{
    table.header.entryCount = 0;
}

void CopyFromTemplate(ResourceTable& table, const ResourceTable& source)
{
    table.header = source.header;
    const int count = std::min(source.header.entryCount, kTableCapacity);
    table.header.entryCount = count < 0 ? 0 : count;
    for (int i = 0; i < table.header.entryCount; ++i)
        table.rows[static_cast<std::size_t>(i)] = source.rows[static_cast<std::size_t>(i)];
}

std::int64_t LayoutNameOffsets(ResourceTable& table)
{
    std::int64_t total = 0;
    for (int i = 0; i < table.header.entryCount; ++i) {
        ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        row.idOffset = static_cast<std::int32_t>(total);
        total += static_cast<std::int64_t>(row.Name().size()) + 1;
    }
    return total;
}

}  // namespace skinwright
