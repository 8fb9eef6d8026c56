#include "pictures.h"

#include <algorithm>
#include <fstream>
#include <string_view>

namespace skinwright::test {
namespace {

constexpr std::size_t kWritePiece = 1 << 20;

std::string_view Signature(unsigned seed)
{
    return seed % 2 == 0 ? "GIF89a" : "GIF87a";
}

// The bytes of the picture from `from` up to `to`.
std::string PictureBytes(std::size_t from, std::size_t to, unsigned seed)
{
    std::string bytes;
    bytes.reserve(to - from);
    const std::string_view signature = Signature(seed);
    for (std::size_t i = from; i < to; ++i)
        bytes += i < signature.size() ? signature[i] : static_cast<char>((i * 31 + seed * 7) & 0xFF);
    return bytes;
}

}  // namespace

std::string Picture(std::size_t size, unsigned seed)
{
    return PictureBytes(0, size, seed);
}

std::string OkPicture()
{
    return Picture(43, 0);
}

std::string BackPicture()
{
    return Picture(35, 1);
}

void WritePicture(const std::filesystem::path& path, std::size_t size, unsigned seed)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t at = 0; at < size; at += kWritePiece) {
        const std::string piece = PictureBytes(at, std::min(size, at + kWritePiece), seed);
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    }
}

}  // namespace skinwright::test
