// Where build takes its resource list from: the pictures of the work folder,
// or an order file.
#pragma once

#include <filesystem>
#include <string>

#include "core/outcome.h"
#include <string_view>

#include "core/packet_format.h"

namespace skinwright::cli {

// What was refused, and why; done when every row was added.
using OrderResult = Outcome<Step>;

// Every regular file of the folder whose name ends in ".gif" in any case,
// ordered by the bytes of the file names.
OrderResult AddFolderPictures(ResourceTable& table, const std::filesystem::path& workFolder);

// An order file, its bytes as they stand (a CR before an LF dropped, blank
// lines skipped). When every line reads "id idOffset dataOffset row name" it
// is a "hashtable" side file and each row keeps its name and id as they stand,
// as a template's rows do; otherwise each line is a resource name whose id is
// its NameHash.
OrderResult AddOrderFile(ResourceTable& table, std::string_view text);

}  // namespace skinwright::cli
