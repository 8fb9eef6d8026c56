// Reading the small input files of a command whole, with a size limit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/outcome.h"

namespace skinwright::cli {

// Why the file was not read, or its bytes.
struct FileText : Outcome<Step> {
    std::string bytes;
};

// Refuses folders, devices and FIFOs (so nothing blocks) and files larger than maxSize.
FileText ReadWholeFile(const std::filesystem::path& path, std::int64_t maxSize);

}  // namespace skinwright::cli
