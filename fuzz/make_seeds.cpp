// Writes the seed corpus of the packet fuzzers: small packets made by the
// packet writer, covering the shapes a real packet takes. The picture
// fuzzer's own seeds, in its folder: the demo theme's pictures and GIFs
// of the blocks they lack.
//
//   make_seeds <output-folder>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/packet.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;
using skinwright::ResourceId;
using skinwright::ResourceTable;

struct Row {
    std::string name;
    ResourceId id;
    std::size_t pictureSize;
};

Row Named(std::string name, std::size_t pictureSize)
{
    const ResourceId id = skinwright::NameHash(name);
    return {std::move(name), id, pictureSize};
}

// A picture of `size` bytes that starts like a GIF; the reader never looks further.
std::string Picture(std::size_t size, char fill)
{
    std::string bytes = std::string("GIF89a").substr(0, size);
    bytes.resize(size, fill);
    return bytes;
}

bool WriteSeed(const fs::path& folder, const fs::path& work, std::string_view seedName, std::string_view comment,
    const std::vector<Row>& rows)
{
    auto table = std::make_unique<ResourceTable>();
    char fill = 'a';
    for (const Row& row : rows) {
        if (!skinwright::AddRow(*table, row.name, row.id))
            return false;
        std::ofstream(work / skinwright::PictureFileName(row.name), std::ios::binary) << Picture(row.pictureSize, fill++);
    }
    const auto result = skinwright::GeneratePacketFile(*table, comment, work, folder / seedName);
    if (!result)
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(seedName.size()), seedName.data(), result.what.c_str());
    return static_cast<bool>(result);
}

// A looping GIF89a of two frames with a comment, and a GIF87a frame with colours of its own.
constexpr std::string_view kLoopingGif =
    "GIF89a\x02\0\x03\0\xF1\0\0" "abcdefghijkl"
    "\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0" "\x21\xFE\x02hi\0"
    "\x21\xF9\x04\0\x0A\0\0\0" "\x2C\0\0\0\0\x02\0\x03\0\0\x02\x02\x4C\x01\0"
    "\x21\xF9\x04\0\x0A\0\0\0" "\x2C\0\0\0\0\x02\0\x03\0\0\x02\x02\x4C\x01\0;"sv;
constexpr std::string_view kLocalColoursGif =
    "GIF87a\x02\0\x03\0\0\0\0" "\x2C\0\0\0\0\x02\0\x03\0\x80" "abcdef" "\x02\x01\x4C\0;"sv;

bool WritePictureSeeds(const fs::path& folder)
{
    fs::create_directories(folder);
    std::error_code error;
    fs::copy(SKINWRIGHT_DEMO_THEME, folder, error);
    if (error)
        std::fprintf(stderr, "%s: %s\n", SKINWRIGHT_DEMO_THEME, error.message().c_str());
    std::ofstream(folder / "looping.gif", std::ios::binary) << kLoopingGif;
    std::ofstream(folder / "local_colours.gif", std::ios::binary) << kLocalColoursGif;
    return !error;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <output-folder>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    const fs::path work = fs::temp_directory_path() / ("make_seeds." + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_directories(work);

    std::vector<Row> theme;
    for (const char* name : {"ok.g", "back.g", "battery_full.g", "signal_3.g", "menu.g", "call.g", "message.g",
             "camera.g", "music.g", "settings.g", "clock.g", "lock.g"})
        theme.push_back(Named(name, 20 + theme.size() * 7));

    bool written = WriteSeed(folder, work, "worked_example.ezx", "", {Named("ok.g", 43), Named("back.g", 35)})
        && WriteSeed(folder, work, "no_rows.ezx", "", {})
        && WriteSeed(folder, work, "no_rows_no_padding.ezx", "ab", {})
        && WriteSeed(folder, work, "comment.ezx", "Demo theme\r\nsecond line", {Named("a.g", 1)})
        && WriteSeed(folder, work, "theme.ezx", "twelve icons", theme)
        && WriteSeed(folder, work, "damaged.ezx", "", {Named("ok.g", 5), {"OK.g", skinwright::NameHash("ok.g"), 6}})
        && WriteSeed(folder, work, "empty_row.ezx", "", {Named("a.g", 3), {"b.g", skinwright::kEmptyRowId, 4}, Named("c.g", 5)})
        && WriteSeed(folder, work, "long_name.ezx", "", {Named(std::string(125, 'n') + ".g", 9)})
        && WritePictureSeeds(folder / "fuzz_picture_facts");
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return written ? 0 : 1;
}
