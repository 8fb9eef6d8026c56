// Packets and pictures made byte by byte for the tests.
#pragma once

#include <cstdint>
#include <string>

namespace skinwright::cli::test {

// A GIF picture of the given size: its signature, then bytes that vary with the seed.
std::string Picture(std::size_t size, unsigned seed);

// The pictures of ok.g (43 bytes) and back.g (35 bytes).
std::string OkPicture();
std::string BackPicture();

// The 202-byte packet of ok.g and back.g with an empty comment, laid out by hand.
std::string TwoResourcePacket();

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value);

}  // namespace skinwright::cli::test
