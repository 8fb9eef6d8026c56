#include "packet_fixture.h"

#include <cstdio>
#include <string>

namespace skinwright::bench {
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
