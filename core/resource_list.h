// The Builder's resource list: a ResourceTable of its own, one row per
// picture, in the order the rows will stand in the new packet.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "outcome.h"
#include "packet_format.h"

namespace skinwright {

enum class AddStatus { Added, TableFull, NameTooLong, NameHasBadByte, NameHasSeparator, NotUtf8, NotRepresentable };

// Why a row was refused; done when it was added.
using AddResult = Outcome<AddStatus>;

// Appends the row of a picked picture, given as a UTF-8 path: its file name
// in Windows-1252, less its last four characters, with ".g" appended. A file
// name holding a backslash (possible where it is no separator) is refused:
// its picture could never be found under that name in a work folder.
AddResult AddFromPath(ResourceTable& table, std::string_view utf8Path);

// Appends a row with a name and id as they stand (a template's or an order file's).
AddResult AddRow(ResourceTable& table, std::string_view name, ResourceId id);

void RemoveAt(ResourceTable& table, int index);
void Clear(ResourceTable& table);

// Takes the header and the rows in use of a loaded packet; not its headerOffset.
void CopyFromTemplate(ResourceTable& table, const ResourceTable& source);

// Sets every row's idOffset to where its name will stand in the name list,
// and returns the name list's length.
std::int64_t LayoutNameOffsets(ResourceTable& table);

}  // namespace skinwright
