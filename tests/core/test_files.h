// Files and packets made in the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/packet.h"

namespace skinwright::test {

// A fresh folder of the test's own, removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// A picture of `size` bytes starting with the GIF signature, filled from a seed.
std::string Picture(std::size_t size, char seed);

void AppendLe32(std::string& out, std::uint32_t value);

// A packet put together byte by byte, without the writer.
struct PacketRow {
    std::uint32_t id;
    std::int32_t idOffset;
    std::int32_t dataOffset;
};
std::string HandMadePacket(std::string_view nameList, std::int32_t nameListOffset, std::uint32_t entryCount,
    const std::vector<PacketRow>& rows, std::string_view dataArea);

// The two-resource packet of ok.g (43 bytes) and back.g (35 bytes), empty comment.
std::string WorkedExamplePacket();
std::string OkPicture();    // 43 bytes
std::string BackPicture();  // 35 bytes

// Runs `run` with writes limited to `bytes` per file, so that writes beyond
// fail as on a full disk.
void WithFileSizeLimit(std::uint64_t bytes, const std::function<void()>& run);

// Records what a load shows.
struct RecordingTarget : LoadTarget {
    std::vector<std::string> events;
    std::vector<std::vector<std::string>> rows;
    std::string status = "No opened resource packet.";
    int warnings = 0;

    void ShowDamagedWarning(std::string_view text) override;
    void ClearList() override;
    void AddListRow(int index, const ResourceEntry& row) override;
    void SetStatus(std::string_view text) override;
};

}  // namespace skinwright::test
