// Reading the small input files of a command whole, with a size limit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace skinwright::cli {

struct FileText {
    bool read = false;
    std::string bytes;  // the file's bytes when read
    std::string error;  // why it was not read
};

// Refuses folders, devices and FIFOs (so nothing blocks) and files larger than maxSize.
FileText ReadWholeFile(const std::filesystem::path& path, std::int64_t maxSize);

}  // namespace skinwright::cli
