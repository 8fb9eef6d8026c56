// Pictures for the tests and benchmarks: GIF signatures followed by bytes
// that vary with a seed. Not decodable; nothing here reads them as images.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace skinwright::test {

// A picture of `size` bytes: "GIF89a" for an even seed, "GIF87a" for an odd
// one, then bytes that depend on the seed and their position.
std::string Picture(std::size_t size, unsigned seed);

// The pictures of the worked example's ok.g (43 bytes) and back.g (35 bytes).
std::string OkPicture();
std::string BackPicture();

// Writes Picture(size, seed) to a file a piece at a time, so that even a
// very large picture is never held whole.
void WritePicture(const std::filesystem::path& path, std::size_t size, unsigned seed);

}  // namespace skinwright::test
