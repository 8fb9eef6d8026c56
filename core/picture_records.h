// The pictures of a loaded packet's rows, read into memory: the bytes that
// extraction copies out of each record, read from the packet file itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "binary_file.h"
#include "packet_format.h"

namespace skinwright {

enum class RecordStatus {
    Read,
    Empty,     // the record's length is 0
    PastEnd,   // the record or its picture runs past the end of the file
};

class PictureRecords {
public:
    // Opens the packet file the table was loaded from; not open when it cannot be.
    explicit PictureRecords(const std::filesystem::path& packet);

    explicit operator bool() const { return static_cast<bool>(file_); }

    // The row's picture into `bytes`, whose memory is reused from row to row;
    // `bytes` is empty unless it is read. A length is trusted only as far as
    // the file reaches.
    RecordStatus Read(const ResourceTable& table, int row, std::string& bytes);

private:
    BinaryFile file_;
    std::int64_t fileSize_ = 0;
};

}  // namespace skinwright
