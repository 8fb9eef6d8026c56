// What the benchmarks share: a work folder of 2048 pictures of 16 KiB, the
// resource list naming them and the packet built from them, made once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "core/packet.h"
#include "scratch_folder.h"

namespace skinwright::bench {

inline constexpr int kPictureCount = 2048;
inline constexpr std::size_t kPictureSize = 16 * 1024;

// Writes a file of `size` bytes that starts like a GIF; the rest depends on the seed.
void WritePicture(const std::filesystem::path& path, std::size_t size, unsigned seed);

// A folder of the scratch folder's, made empty.
std::filesystem::path EmptyFolder(const ScratchFolder& scratch, std::string_view name);

struct PacketFixture {
    ScratchFolder scratch{"bench"};
    std::filesystem::path work;
    std::vector<std::filesystem::path> pictures;
    std::unique_ptr<ResourceTable> table = std::make_unique<ResourceTable>();
    std::filesystem::path packet;
    std::int64_t pictureBytes = 0;
};

// Made on first use; nullptr when the files could not be made.
const PacketFixture* SharedFixture();

}  // namespace skinwright::bench
