// Pictures held in memory, one per row, for the writer to measure and copy.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/packet_writer.h"

namespace skinwright::fuzz {

class MemoryPictures final : public PictureSource {
public:
    std::vector<std::string> pictures;  // by row

    std::int64_t Measure(int row, std::string_view) override
    {
        return static_cast<std::int64_t>(pictures[static_cast<std::size_t>(row)].size());
    }
    BinaryFile Open(int row) override { return BinaryFile::InMemory(pictures[static_cast<std::size_t>(row)]); }
};

}  // namespace skinwright::fuzz
