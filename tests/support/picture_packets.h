// Packets of given pictures put together byte by byte, without the writer,
// so that a test can hold names the writer refuses, a name twice with other
// pictures, or an id its name does not hash to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::test {

struct PacketPicture {
    std::string name;
    std::string picture;
    std::uint32_t id;  // the name's hash, unless a test damages it
};

// A row whose id is its name's hash.
PacketPicture Named(std::string name, std::string picture);

// The packet of the rows in this order, with the comment (no CRs).
std::string PacketOfPictures(std::string_view comment, const std::vector<PacketPicture>& rows);

// Writes the packet of these names, in this order, with the comment "test",
// row i holding pictureOf(i); names the writer would refuse as well, each
// with its own hash as id, as a stranger's packet would hold them.
void MakePacket(const std::filesystem::path& path, const std::vector<std::string>& names,
                const std::function<std::string(std::size_t row)>& pictureOf);

}  // namespace skinwright::test
