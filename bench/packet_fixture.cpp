#include "packet_fixture.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace skinwright::bench {

void WritePicture(const std::filesystem::path& path, std::size_t size, unsigned seed)
{
    std::string chunk(std::min<std::size_t>(size, 1 << 20), '\0');
    unsigned state = seed * 2654435761u + 1;
    for (char& byte : chunk) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    chunk.replace(0, std::min<std::size_t>(6, chunk.size()), "GIF89a", std::min<std::size_t>(6, chunk.size()));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t left = size; left > 0;) {
        const std::size_t part = std::min(left, chunk.size());
        out.write(chunk.data(), static_cast<std::streamsize>(part));
        left -= part;
    }
}

std::filesystem::path EmptyFolder(const ScratchFolder& scratch, std::string_view name)
{
    const std::filesystem::path folder = scratch / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

namespace {

std::unique_ptr<PacketFixture> MakeFixture()
{
    auto fixture = std::make_unique<PacketFixture>();
    fixture->work = EmptyFolder(fixture->scratch, "pictures");
    for (int i = 0; i < kPictureCount; ++i) {
        char stem[32];
        std::snprintf(stem, sizeof stem, "picture_%04d", i);
        const std::string name = std::string(stem) + ".g";
        fixture->pictures.push_back(fixture->work / PictureFileName(name));
        WritePicture(fixture->pictures.back(), kPictureSize, static_cast<unsigned>(i));
        if (!AddRow(*fixture->table, name, NameHash(name)))
            return nullptr;
        fixture->pictureBytes += static_cast<std::int64_t>(kPictureSize);
    }
    fixture->packet = fixture->scratch / "iconres.ezx";
    if (!GeneratePacketFile(*fixture->table, "benchmark", fixture->work, fixture->packet))
        return nullptr;
    return fixture;
}

}  // namespace

const PacketFixture* SharedFixture()
{
    static const std::unique_ptr<PacketFixture> fixture = MakeFixture();
    return fixture.get();
}

}  // namespace skinwright::bench
