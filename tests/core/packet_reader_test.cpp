#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/sysmacros.h>
#endif

#include "core/packet.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class ReaderTest : public ::testing::Test {
protected:
    std::filesystem::path Put(std::string_view bytes, std::string_view name = "iconres.ezx")
    {
        WriteFile(folder / name, bytes);
        return folder / name;
    }
    LoadResult Load(const std::filesystem::path& path) { return reader.LoadPacket(path, target); }

    TempFolder folder;
    PacketReader reader;
    RecordingTarget target;
};

TEST_F(ReaderTest, WorkedExampleListsSidesAndExtracts)
{
    const std::string packet = WorkedExamplePacket();
    ASSERT_EQ(packet.size(), 202u);
    ASSERT_TRUE(Load(Put(packet)));
    EXPECT_EQ(target.rows, (Rows{{"ok.g", "0x000002EF", "0x00000000", "0x00000000"},
                               {"back.g", "0x000008DF", "0x00000005", "0x00000033"}}));
    EXPECT_EQ(target.loadedRows, 2);
    EXPECT_EQ(target.events, (std::vector<std::string>{"clear", "row", "row", "loaded"}));

    ASSERT_TRUE(reader.WriteHashTable(folder / "hashtable"));
    EXPECT_EQ(ReadFile(folder / "hashtable"), "751 0 0 1 ok.g\n2271 5 51 2 back.g\n");
    ASSERT_TRUE(reader.WriteHeaderFile(folder / "headerfile"));
    EXPECT_EQ(ReadFile(folder / "headerfile"), packet.substr(0, 84));
    ASSERT_TRUE(reader.ExtractResource(1, folder / "back.gif"));
    EXPECT_EQ(ReadFile(folder / "back.gif"), BackPicture());
}

TEST_F(ReaderTest, RowsStoredInAnotherOrderAreListedInNameListOrder)
{
    std::string data = WorkedExamplePacket().substr(108);
    const std::string packet = HandMadePacket("ok.g\nback.g\n", 50, 2, {{0x8DF, 5, 51}, {0x2EF, 0, 0}}, data);
    ASSERT_TRUE(Load(Put(packet)));
    EXPECT_EQ(target.rows[0][0], "ok.g");
    EXPECT_EQ(target.rows[1][0], "back.g");
}

TEST_F(ReaderTest, ExchangeSortOrderAmongEqualOffsets)
{
    // Rows A, B, C with offsets 1, 1, 0 end as C, B, A.
    const std::string packet = HandMadePacket("xa.g\n", 50, 3, {{0xA, 1, 0}, {0xB, 1, 0}, {0xC, 0, 0}}, "");
    ASSERT_TRUE(Load(Put(packet)));
    ASSERT_EQ(target.rows.size(), 3u);
    EXPECT_EQ(target.rows[0][1], "0x0000000C");
    EXPECT_EQ(target.rows[1][1], "0x0000000B");
    EXPECT_EQ(target.rows[2][1], "0x0000000A");
}

TEST_F(ReaderTest, MismatchingNamesGetPlaceholdersAndOneWarningBeforeTheList)
{
    const std::string data = WorkedExamplePacket().substr(108);
    const std::string packet = HandMadePacket("OK.g\nBACK.g\n", 50, 2, {{0x2EF, 0, 0}, {0x8DF, 5, 51}}, data);
    ASSERT_TRUE(Load(Put(packet)));
    EXPECT_EQ(target.warnings, 1);
    EXPECT_EQ(target.events.front(), "warning");
    EXPECT_EQ(target.rows[0][0], "!!!0x000002EF.g");
    EXPECT_EQ(target.rows[1][0], "!!!0x000008DF.g");
}

TEST_F(ReaderTest, NegativeIdsAreSignedInTheHashTable)
{
    const std::string packet = HandMadePacket("status_bar_battery_level_3.g\n", 50, 1, {{0xD7BBCA85, 0, 0}}, "");
    ASSERT_TRUE(Load(Put(packet)));
    EXPECT_EQ(target.rows[0][1], "0xD7BBCA85");
    ASSERT_TRUE(reader.WriteHashTable(folder / "hashtable"));
    EXPECT_EQ(ReadFile(folder / "hashtable"), "-675558779 0 0 1 status_bar_battery_level_3.g\n");
}

TEST_F(ReaderTest, NamesAndRowsTheReaderTolerates)
{
    const struct {
        const char* what;
        std::string nameList;
        std::uint32_t entryCount;
        std::vector<PacketRow> rows;
        Rows expected;
    } cases[] = {
        {"empty row skipped", "a.g\nb.g\n", 3, {{0x1BF, 0, 0}, {0xFFFFFFFF, 0, 0}, {NameHash("b.g"), 4, 0}},
            {{"a.g", "0x000001BF", "0x00000000", "0x00000000"}, {"b.g", "0x000001B3", "0x00000004", "0x00000000"}}},
        {"CR LF line ends", "a.g\r\nb.g\r\n", 2, {{0x1BF, 0, 0}, {NameHash("b.g"), 5, 0}},
            {{"a.g", "0x000001BF", "0x00000000", "0x00000000"}, {"b.g", "0x000001B3", "0x00000005", "0x00000000"}}},
        {"offset outside the text, id 0", "a.g\n", 1, {{0, 99, 0}}, {{"", "0x00000000", "0x00000063", "0x00000000"}}},
        {"offset outside the text", "a.g\n", 1, {{7, -1, 0}}, {{"!!!0x00000007.g", "0x00000007", "0xFFFFFFFF", "0x00000000"}}},
        {"no rows", "x", 0, {}, {}},
        {"negative count reads no rows", "x", 0xFFFFFFFF, {}, {}},
        {"name ends at the list's end", "a.g", 1, {{0x1BF, 0, 0}}, {{"a.g", "0x000001BF", "0x00000000", "0x00000000"}}},
        {"a name list of one byte", "a", 1, {{0x61, 0, 0}}, {{"a", "0x00000061", "0x00000000", "0x00000000"}}},
    };
    for (const auto& c : cases) {
        target = RecordingTarget();
        // The comment makes the name list end at the packet header, unpadded.
        const auto nameListOffset = static_cast<std::int32_t>(50 + (4 - (50 + c.nameList.size()) % 4) % 4);
        ASSERT_TRUE(Load(Put(HandMadePacket(c.nameList, nameListOffset, c.entryCount, c.rows, "")))) << c.what;
        EXPECT_EQ(target.rows, c.expected) << c.what;
        EXPECT_EQ(target.loadedRows, static_cast<int>(c.expected.size()));
    }
}

TEST_F(ReaderTest, LongNamesAreCutTo127Bytes)
{
    const std::string longName(200, 'n');
    ASSERT_TRUE(Load(Put(HandMadePacket(longName + "\n", 50, 1, {{NameHash(longName.substr(0, 127)), 0, 0}}, ""))));
    EXPECT_EQ(target.rows[0][0], longName.substr(0, 127));
    EXPECT_EQ(target.warnings, 0);
}

// Every way a file can fail to load: nothing shown, nothing usable left.
TEST_F(ReaderTest, HostilePacketsDoNotLoad)
{
    const std::string good = WorkedExamplePacket();
    std::string badDigits = good;
    badDigits.replace(16, 8, "7fffffff");
    std::string negative = good;
    negative.replace(16, 8, "80000000");
    std::string countTooBig = good;
    countTooBig[72] = '\x03';
    std::string hugeCount = good;
    hugeCount.replace(72, 4, "\xff\xff\xff\x7f");
    std::string nameListNegative = good;
    nameListNegative.replace(68, 4, "\x00\x00\x00\x80", 4);
    std::string nameListAtHeader = good;
    nameListAtHeader.replace(68, 4, "\x40\x00\x00\x00", 4);
    std::string tooMany = HandMadePacket("x", 50, 2049, std::vector<PacketRow>(2049, PacketRow{1, 0, 0}), "");

    const struct {
        const char* what;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"empty file", "", "shorter than 24 bytes"},
        {"23 bytes", good.substr(0, 23), "shorter than 24 bytes"},
        {"header beyond the end", badDigits, "header past end of file"},
        {"negative header offset", negative, "header offset negative"},
        {"cut in the header", good.substr(0, 70), "header past end of file"},
        {"cut in the ID table", good.substr(0, 100), "ID table cut off"},
        {"count beyond the file", countTooBig.substr(0, 108), "ID table cut off"},
        {"huge count", hugeCount, "ID table cut off"},
        {"negative name list offset", nameListNegative, "name list offset negative"},
        {"empty name list", nameListAtHeader, "empty name list"},
        {"more than 2048 rows", tooMany, "more than 2048 resources"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Load(Put(good)));
        target = RecordingTarget();
        const LoadResult result = Load(Put(c.bytes, "bad.ezx"));
        EXPECT_FALSE(result) << c.what;
        EXPECT_EQ(result.what, c.reason) << c.what;
        EXPECT_TRUE(target.events.empty()) << c.what;
        EXPECT_FALSE(reader.IsLoaded()) << c.what;
        EXPECT_FALSE(reader.ExtractResource(0, folder / "out.gif")) << c.what;
        EXPECT_FALSE(std::filesystem::exists(folder / "out.gif")) << c.what;
        EXPECT_FALSE(reader.WriteHeaderFile(folder / "headerfile")) << c.what;
        EXPECT_FALSE(reader.WriteHashTable(folder / "hashtable")) << c.what;
    }
}

TEST_F(ReaderTest, EveryCutOfAPacketFailsCleanlyOrLoads)
{
    const std::string good = WorkedExamplePacket();
    for (std::size_t length = 0; length < good.size(); ++length) {
        const LoadResult result = Load(Put(good.substr(0, length)));
        EXPECT_EQ(static_cast<bool>(result), length >= 108) << length;
        if (result) {
            EXPECT_FALSE(reader.ExtractResource(1, folder / "back.gif")) << length;
        }
    }
}

TEST_F(ReaderTest, OnlyRegularFilesAreOpened)
{
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(Load(folder / "fifo").what, "not a regular file");
    EXPECT_EQ(Load("/dev/zero").what, "not a regular file");
#endif
    EXPECT_EQ(Load(folder.Path()).what, "not a regular file");
    EXPECT_EQ(Load(folder / "missing.ezx").what, "no such file");
}

// Whether this process holds the file open. On Windows an open file
// cannot be renamed; elsewhere the process's descriptors name it.
bool HeldOpen(const std::filesystem::path& file)
{
    std::error_code error;
#ifdef _WIN32
    std::filesystem::path moved = file;
    moved += ".moved";
    std::filesystem::rename(file, moved, error);
    if (error)
        return true;
    std::filesystem::rename(moved, file, error);
    return false;
#else
    const std::filesystem::path canonical = std::filesystem::canonical(file, error);
    for (const auto& descriptor : std::filesystem::directory_iterator("/proc/self/fd", error))
        if (std::filesystem::read_symlink(descriptor.path(), error) == canonical)
            return true;
    return false;
#endif
}

TEST_F(ReaderTest, APacketFileIsOpenOnlyWhileLoaded)
{
    const std::string good = WorkedExamplePacket();
    const struct {
        const char* when;
        std::string other;  // loaded after the packet, when not empty
        bool otherLoads;
    } cases[] = {
        {"Close()", "", false},
        {"a failed load of a file too short", good.substr(0, 20), false},
        {"a failed load cut in the ID table", good.substr(0, 90), false},
        {"another packet loaded", good, true},
    };
    for (const auto& c : cases) {
        const std::filesystem::path packet = Put(good);
        ASSERT_TRUE(Load(packet));
        ASSERT_TRUE(HeldOpen(packet)) << c.when;
        const std::filesystem::path other = folder / "other.ezx";
        if (c.other.empty())
            reader.Close();
        else
            Load(Put(c.other, "other.ezx"));
        EXPECT_FALSE(HeldOpen(packet)) << c.when;
        if (!c.other.empty()) {
            EXPECT_EQ(c.otherLoads, HeldOpen(other)) << c.when;
        }
        reader.Close();
    }
}

TEST_F(ReaderTest, AnEmptyPathKeepsTheLoadedPacket)
{
    ASSERT_TRUE(Load(Put(WorkedExamplePacket())));
    target = RecordingTarget();
    Load("");
    EXPECT_TRUE(target.events.empty());
    EXPECT_TRUE(reader.IsLoaded());
    EXPECT_TRUE(reader.ExtractResource(0, folder / "ok.gif"));
}

TEST_F(ReaderTest, ExtractionRefusesBadRowsAndRecords)
{
    std::string data;
    AppendLe32(data, kRecordMagic);
    AppendLe32(data, 0);
    AppendLe32(data, kRecordMagic);
    AppendLe32(data, 1000);
    data += "GIF";
    const std::string packet =
        HandMadePacket("a.g\nb.g\nc.g\n", 50, 3, {{0x1BF, 0, 0}, {NameHash("b.g"), 4, 8}, {NameHash("c.g"), 8, 0x7FFFFFF0}}, data);
    ASSERT_TRUE(Load(Put(packet)));

    EXPECT_FALSE(reader.ExtractResource(3, folder / "none.gif"));
    EXPECT_FALSE(std::filesystem::exists(folder / "none.gif"));
    EXPECT_FALSE(reader.ExtractResource(-1, folder / "none.gif"));

    for (int row : {0, 1, 2}) {
        const auto out = folder / ("row" + std::to_string(row));
        EXPECT_FALSE(reader.ExtractResource(row, out)) << row;
        EXPECT_FALSE(std::filesystem::exists(out)) << row;
    }
    EXPECT_FALSE(reader.ExtractResource(0, folder / "no-such-folder" / "x.gif"));
}

#ifndef _WIN32  // resident memory and sparse files as Linux tells them
// Resident memory in KiB, or -1 where the system does not tell.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

TEST_F(ReaderTest, AVastStretchBeforeTheHeaderCostsNoMemory)
{
    // ok.g, then 1.5 GiB of zeros (a sparse file) up to the packet header.
    const std::int64_t headerOffset = 50 + (std::int64_t{1536} << 20);
    char text[64];
    std::snprintf(text, sizeof text, "motoskin\n\nv1.00\n%08x\n\nComments:\n\n\n\nID table:\n\nok.g\n",
        static_cast<unsigned>(headerOffset));
    std::string tail;
    for (const std::uint32_t value : {kPacketMagic, 50u, 1u, static_cast<std::uint32_t>(headerOffset + 20),
             static_cast<std::uint32_t>(headerOffset + 32), NameHash("ok.g"), 0u, 0u, kRecordMagic, 43u})
        AppendLe32(tail, value);
    tail += OkPicture();
    const auto vast = folder / "vast.ezx";
    {
        std::ofstream file(vast, std::ios::binary);
        file << text;
        file.seekp(headerOffset);
        file.write(tail.data(), static_cast<std::streamsize>(tail.size()));
        ASSERT_TRUE(file.good());
    }
    struct stat written {};
    ASSERT_EQ(stat(vast.c_str(), &written), 0);
    if (ResidentKiB() < 0 || written.st_blocks * 512 > (64 << 20))
        GTEST_SKIP() << "no resident memory to read, or no sparse files here";

    const auto small = Put(WorkedExamplePacket());
    ASSERT_TRUE(Load(small));
    const long before = ResidentKiB();
    ASSERT_TRUE(Load(vast));
    EXPECT_EQ(target.rows.back(), (std::vector<std::string>{"ok.g", "0x000002EF", "0x00000000", "0x00000000"}));
    ASSERT_TRUE(Load(small));
    EXPECT_LT(ResidentKiB() - before, 10 * 1024);
}
#endif

// The outputs are the test's own: were the refusal broken, a shared device
// such as /dev/null would be replaced by a file for the whole machine. So the
// device is a node made in the test's folder, as /dev/null is (1, 3), which
// only root may make.
TEST_F(ReaderTest, OutputsAreNeverFifosOrDevices)
{
    ASSERT_TRUE(Load(Put(WorkedExamplePacket())));
    std::vector<std::filesystem::path> outputs = {folder.Path()};
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    outputs.push_back(folder / "fifo");
    const bool madeDevice = mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const std::string noDevice = madeDevice ? "" : std::strerror(errno);
    if (madeDevice)
        outputs.push_back(folder / "null");
#endif
    for (const auto& output : outputs) {
        const auto type = std::filesystem::symlink_status(output).type();
        EXPECT_FALSE(reader.ExtractResource(0, output)) << output;
        EXPECT_FALSE(reader.WriteHeaderFile(output)) << output;
        EXPECT_FALSE(reader.WriteHashTable(output)) << output;
        EXPECT_TRUE(std::filesystem::symlink_status(output).type() == type) << output << " was replaced";
    }
#ifndef _WIN32
    if (!madeDevice)
        GTEST_SKIP() << "the device case is skipped, no device node can be made here (" << noDevice
                     << "); the folder and FIFO cases ran";
#endif
}

TEST_F(ReaderTest, HeaderOffsetDigitsOfEitherCaseAndBlanks)
{
    for (const char* digits : {"0000004c", "0000004C", "000 004C", "0g0z004C"}) {
        std::string packet = HandMadePacket("ok.g\nback.g\n", 63, 0, {}, "");
        packet.replace(16, 8, digits);
        EXPECT_TRUE(Load(Put(packet))) << digits;
        EXPECT_EQ(reader.Table().headerOffset, 0x4C) << digits;
    }
}

// The listed order is that of a plain exchange sort, also among equal offsets.
TEST_F(ReaderTest, RowsAreOrderedAsTheExchangeSortOrdersThem)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<PacketRow> rows;
        for (std::uint32_t id = 1; id <= 300; ++id)
            rows.push_back({id, static_cast<std::int32_t>(random() % 40) - 5, 0});
        std::vector<PacketRow> expected = rows;
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (std::size_t j = i; j < expected.size(); ++j)
                if (expected[j].idOffset < expected[i].idOffset)
                    std::swap(expected[i], expected[j]);
        ASSERT_TRUE(Load(Put(HandMadePacket("x", 50, 300, rows, ""))));
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(reader.Table().rows[i].id, expected[i].id) << "round " << round << " row " << i;
    }
}

TEST(ExportNames, OnlyNamesThatStayInTheirFolder)
{
    for (std::string_view safe : {"ok.g", "!!!0x000002EF.g", "", "...", ".g"})
        EXPECT_TRUE(IsSafeExportName(safe)) << safe;
    for (std::string_view unsafe : {"../x.g", "a/b.g", "a\\b.g", ".", "..", "/etc/x"})
        EXPECT_FALSE(IsSafeExportName(unsafe)) << unsafe;
}

}  // namespace
}  // namespace skinwright::test
