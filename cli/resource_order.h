// Where build takes its resource list from: the pictures of the work folder,
// an order file of picture file names, or a "hashtable" side file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/packet_format.h"

namespace skinwright::cli {

struct OrderResult {
    bool ok = true;
    std::string error;  // what was refused, and why
};

// Every regular file of the folder whose name ends in ".gif" in any case,
// ordered by file name.
OrderResult AddFolderPictures(ResourceTable& table, const std::filesystem::path& workFolder);

// One picture file name a line, in UTF-8; blank lines are skipped.
OrderResult AddOrderLines(ResourceTable& table, std::string_view text);

// Lines "id idOffset dataOffset row name" of a "hashtable" side file: each row
// keeps its name and id as they stand, so a placeholder row keeps its old id.
OrderResult AddHashTableLines(ResourceTable& table, std::string_view text);

}  // namespace skinwright::cli
