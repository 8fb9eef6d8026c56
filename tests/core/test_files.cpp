#include "test_files.h"

#include <csignal>
#include <fstream>
#include <random>

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace skinwright::test {

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("skinwright-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Picture(std::size_t size, char seed)
{
    std::string bytes = "GIF89a";
    for (std::size_t i = bytes.size(); i < size; ++i)
        bytes += static_cast<char>(seed + static_cast<char>(i * 7));
    bytes.resize(size);
    return bytes;
}

void AppendLe32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(value >> (8 * i));
}

std::string HandMadePacket(std::string_view nameList, std::int32_t nameListOffset, std::uint32_t entryCount,
    const std::vector<PacketRow>& rows, std::string_view dataArea)
{
    std::string comment(static_cast<std::size_t>(nameListOffset - 50), 'c');
    std::string packet = TextHeader(0, comment);
    packet += nameList;
    while (packet.size() % 4 != 0)
        packet += '\0';
    const auto headerOffset = static_cast<std::uint32_t>(packet.size());
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", headerOffset);
    packet.replace(16, 8, digits);
    AppendLe32(packet, kPacketMagic);
    AppendLe32(packet, static_cast<std::uint32_t>(nameListOffset));
    AppendLe32(packet, entryCount);
    AppendLe32(packet, headerOffset + 20);
    AppendLe32(packet, headerOffset + 20 + 12 * static_cast<std::uint32_t>(rows.size()));
    for (const PacketRow& row : rows) {
        AppendLe32(packet, row.id);
        AppendLe32(packet, static_cast<std::uint32_t>(row.idOffset));
        AppendLe32(packet, static_cast<std::uint32_t>(row.dataOffset));
    }
    packet += dataArea;
    return packet;
}

std::string OkPicture()
{
    return Picture(43, 'o');
}

std::string BackPicture()
{
    return Picture(35, 'b');
}

std::string WorkedExamplePacket()
{
    std::string data;
    AppendLe32(data, kRecordMagic);
    AppendLe32(data, 43);
    data += OkPicture();
    AppendLe32(data, kRecordMagic);
    AppendLe32(data, 35);
    data += BackPicture();
    return HandMadePacket("ok.g\nback.g\n", 50, 2, {{0x2EF, 0, 0}, {0x8DF, 5, 51}}, data);
}

void WithFileSizeLimit(std::uint64_t bytes, const std::function<void()>& run)
{
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    run();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
}

void RecordingTarget::ShowDamagedWarning(std::string_view text)
{
    EXPECT_EQ(text, kDamagedWarning);
    events.push_back("warning");
    ++warnings;
}

void RecordingTarget::ClearList()
{
    events.push_back("clear");
    rows.clear();
}

void RecordingTarget::AddListRow(int index, const ResourceEntry& row)
{
    EXPECT_EQ(index, static_cast<int>(rows.size()));
    events.push_back("row");
    rows.push_back({std::string(row.Name()), FormatHex32(row.id), FormatHex32(static_cast<std::uint32_t>(row.idOffset)),
        FormatHex32(static_cast<std::uint32_t>(row.dataOffset))});
}

void RecordingTarget::SetStatus(std::string_view text)
{
    events.push_back("status");
    status = text;
}

}  // namespace skinwright::test
