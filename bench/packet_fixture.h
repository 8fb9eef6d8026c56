// What the benchmarks share: a work folder of 2048 pictures of 16 KiB, the
// resource list naming them and the packet built from them, made once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/packet.h"
#include "tests/support/files.h"
#include "tests/support/pictures.h"

namespace skinwright::bench {

using test::EmptyFolder;
using test::TempFolder;
using test::WritePicture;

inline constexpr int kPictureCount = 2048;
inline constexpr std::size_t kPictureSize = 16 * 1024;

struct PacketFixture {
    TempFolder scratch{"bench"};
    std::filesystem::path work;
    std::vector<std::filesystem::path> pictures;
    std::unique_ptr<ResourceTable> table = std::make_unique<ResourceTable>();
    std::filesystem::path packet;
    std::int64_t pictureBytes = 0;
};

// Made on first use; nullptr when the files could not be made.
const PacketFixture* SharedFixture();

}  // namespace skinwright::bench
