// Well-formed GIFs made block by block, for the tests and benchmarks that
// need pictures with a size and frames: a logical screen of 4 colours, a
// looping extension when asked, then frames over the whole screen whose
// compressed pixels are filler bytes in sub-blocks of at most 255. They
// are laid out as a GIF is, but their pixels do not decode.
#pragma once

#include <cstddef>
#include <string>

namespace skinwright::test {

std::string GifPicture(int width, int height, int frames, bool loops, std::size_t pixelBytesPerFrame = 2);

// The first bytes of a PNG file and a few more: a picture a user renamed.
std::string PngStart();

}  // namespace skinwright::test
