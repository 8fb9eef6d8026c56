#include "gif_pictures.h"

#include <algorithm>

namespace skinwright::test {
namespace {

void AppendLe16(std::string& bytes, int value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

std::string GifPicture(int width, int height, int frames, bool loops, std::size_t pixelBytesPerFrame)
{
    std::string gif = "GIF89a";
    AppendLe16(gif, width);
    AppendLe16(gif, height);
    gif += std::string("\xF1\0\0", 3);                         // 4 colours, background 0, no aspect
    gif += std::string("\0\0\0\xFF\xFF\xFF\xFF\0\0\0\0\xFF", 12);  // black, white, red, blue
    if (loops)
        gif += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0", 19);
    for (int frame = 0; frame < frames; ++frame) {
        gif += std::string("\x21\xF9\x04\0\x0A\0\0\0", 8);  // a tenth of a second
        gif += std::string("\x2C\0\0\0\0", 5);
        AppendLe16(gif, width);
        AppendLe16(gif, height);
        gif += std::string("\0\x02", 2);  // no colours of its own; LZW code size 2
        for (std::size_t left = pixelBytesPerFrame; left > 0;) {
            const std::size_t block = std::min<std::size_t>(left, 255);
            gif += static_cast<char>(block);
            gif += std::string(block, '\x4C');
            left -= block;
        }
        gif += '\0';
    }
    return gif + ";";
}

std::string PngStart()
{
    return std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x18\0\0\0\x18\x08\x06\0\0\0", 29);
}

}  // namespace skinwright::test
