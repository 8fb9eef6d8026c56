// Every output of the core written over an existing file: when it succeeds
// the file keeps its mode, when it fails the old bytes stay and no temporary
// file is left beside it.
#include <gtest/gtest.h>

#include <functional>
#ifdef _WIN32
#include <windows.h>

#include <thread>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "core/packet.h"
#include "core/replacing_file.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

namespace fs = std::filesystem;

// Windows files have no mode beyond the read-only flag, nor limits on open
// files and file sizes to make writes fail with: those checks are Linux's.
#ifdef _WIN32
constexpr fs::perms kOldMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
    | fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;
#else
constexpr fs::perms kOldMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

// Runs `run` while the process may open no further file.
void WithoutFreeFileDescriptors(const std::function<void()>& run)
{
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = dup(0);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    rlimit limited = saved;
    limited.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limited), 0);
    run();
    setrlimit(RLIMIT_NOFILE, &saved);
}
#endif

struct Output {
    const char* name;
    std::function<bool(const fs::path& target)> write;
};

class ReplacingTest : public ::testing::Test {
protected:
    ReplacingTest()
    {
        WriteFile(packetFolder / "iconres.ezx", WorkedExamplePacket());
        WriteFile(work / "ok.gif", OkPicture());
        WriteFile(work / "back.gif", BackPicture());
        EXPECT_TRUE(reader.LoadPacket(packetFolder / "iconres.ezx", target));
        EXPECT_TRUE(AddRow(*table, "ok.g", NameHash("ok.g")));
        EXPECT_TRUE(AddRow(*table, "back.g", NameHash("back.g")));
    }

    std::vector<Output> Outputs()
    {
        return {
            {"packet", [this](const fs::path& to) { return bool(GeneratePacketFile(*table, "", work.Path(), to)); }},
            {"picture", [this](const fs::path& to) { return reader.ExtractResource(0, to); }},
            {"headerfile", [this](const fs::path& to) { return reader.WriteHeaderFile(to); }},
            {"hashtable", [this](const fs::path& to) { return reader.WriteHashTable(to); }},
            {"settings", [](const fs::path& to) { return ReplaceFileContents(to, "[build]\n", Durability::Synced); }},
        };
    }

    // The target holds old bytes under an unusual mode.
    fs::path OldTarget()
    {
        const fs::path path = out / "target";
        WriteFile(path, "old bytes");
        fs::permissions(path, kOldMode);
        return path;
    }

    void ExpectOldTargetAlone(const fs::path& path, const char* output)
    {
        EXPECT_EQ(ReadFile(path), "old bytes") << output;
        EXPECT_EQ(fs::status(path).permissions(), kOldMode) << output;
        EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), fs::directory_iterator()), 1) << output;
    }

    TempFolder packetFolder;
    TempFolder work;
    TempFolder out;
    PacketReader reader;
    RecordingTarget target;
    std::unique_ptr<ResourceTable> table = std::make_unique<ResourceTable>();
};

TEST_F(ReplacingTest, AReplacedFileKeepsItsMode)
{
    for (const Output& output : Outputs()) {
        const fs::path path = OldTarget();
        ASSERT_TRUE(output.write(path)) << output.name;
        EXPECT_NE(ReadFile(path), "old bytes") << output.name;
        EXPECT_EQ(fs::status(path).permissions(), kOldMode) << output.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), fs::directory_iterator()), 1) << output.name;
    }
}

#ifndef _WIN32
TEST_F(ReplacingTest, AFailedWriteKeepsTheOldFile)
{
    for (const Output& output : Outputs()) {
        const fs::path path = OldTarget();
        bool written = true;
        WithFileSizeLimit(4, [&] { written = output.write(path); });
        EXPECT_FALSE(written) << output.name;
        ExpectOldTargetAlone(path, output.name);
    }
}

TEST_F(ReplacingTest, ATemporaryThatCannotBeCreatedKeepsTheOldFile)
{
    for (const Output& output : Outputs()) {
        const fs::path path = OldTarget();
        bool written = true;
        WithoutFreeFileDescriptors([&] { written = output.write(path); });
        EXPECT_FALSE(written) << output.name;
        ExpectOldTargetAlone(path, output.name);
    }
}
#endif

TEST_F(ReplacingTest, ARecordCutShortKeepsTheOldFile)
{
    std::string packet = WorkedExamplePacket();
    packet.resize(packet.size() - 1);
    WriteFile(packetFolder / "cut.ezx", packet);
    ASSERT_TRUE(reader.LoadPacket(packetFolder / "cut.ezx", target));
    const fs::path path = OldTarget();
    EXPECT_FALSE(reader.ExtractResource(1, path));
    ExpectOldTargetAlone(path, "picture");
}

TEST_F(ReplacingTest, AFailedRenameRemovesTheTemporary)
{
    const fs::path path = out / "target";
    ReplacingFile file = ReplacingFile::Create(path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file.Out().Write("new", 3));
    fs::create_directory(path);
    WriteFile(path / "inside", "kept");
    EXPECT_FALSE(file.Commit(Durability::Flushed));
    EXPECT_EQ(ReadFile(path / "inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), fs::directory_iterator()), 1);
}

TEST_F(ReplacingTest, AnAbandonedReplacementLeavesNothing)
{
    const fs::path path = OldTarget();
    {
        ReplacingFile file = ReplacingFile::Create(path);
        ASSERT_TRUE(file.Out().Write("new", 3));
    }
    ExpectOldTargetAlone(path, "abandoned");
}

#ifdef _WIN32
// Explorer or a virus scanner holding a new file open for a moment, as it
// does on a busy Desktop: the replacement waits for it; one that never lets
// go keeps the old file.
TEST_F(ReplacingTest, AFileHeldOpenForAMomentIsReplacedOnceItIsLetGo)
{
    struct Case {
        const char* what;
        DWORD heldFor;  // milliseconds
        bool replaced;
    };
    const Case cases[] = {
        {"let go", 100, true},
        {"held", 3000, false},
    };
    for (const Case& c : cases) {
        const fs::path path = OldTarget();
        const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::thread holder([&] {
            Sleep(c.heldFor);
            CloseHandle(held);
        });
        EXPECT_EQ(ReplaceFileContents(path, "new", Durability::Flushed), c.replaced) << c.what;
        holder.join();
        if (c.replaced)
            EXPECT_EQ(ReadFile(path), "new");
        else
            ExpectOldTargetAlone(path, c.what);
    }
}
#endif

}  // namespace
}  // namespace skinwright::test
