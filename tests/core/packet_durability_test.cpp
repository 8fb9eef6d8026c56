// A new packet reaches the disk before it takes the target's place, so that
// a crash never leaves an empty packet there. Seen from outside: this test
// program's own fsync stands in for the system's, notes what it syncs, and
// syncs it.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <memory>

#include "core/packet.h"
#include "test_files.h"

namespace {

struct SyncedFile {
    std::filesystem::path path;  // as named when it was synced
    std::int64_t size;
};

std::vector<SyncedFile>& Synced()
{
    static std::vector<SyncedFile> synced;
    return synced;
}

}  // namespace

extern "C" int fsync(int descriptor)
{
    struct stat facts {};
    ::fstat(descriptor, &facts);
    std::error_code error;
    Synced().push_back({std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descriptor), error),
        static_cast<std::int64_t>(facts.st_size)});
    return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

namespace skinwright::test {
namespace {

TEST(PacketDurability, ThePacketIsSyncedWholeBeforeItIsRenamedOverTheTarget)
{
    const TempFolder work("work");
    const TempFolder out("out");
    WriteFile(work / "ok.gif", OkPicture());
    WriteFile(work / "back.gif", BackPicture());
    WriteFile(out / "iconres.ezx", "old");
    const auto table = std::make_unique<ResourceTable>();
    ASSERT_TRUE(AddRow(*table, "ok.g", NameHash("ok.g")));
    ASSERT_TRUE(AddRow(*table, "back.g", NameHash("back.g")));
    Synced().clear();
    ASSERT_TRUE(GeneratePacketFile(*table, "", work.Path(), out / "iconres.ezx"));

    ASSERT_EQ(1u, Synced().size());
    const SyncedFile& synced = Synced().front();
    EXPECT_EQ(std::filesystem::canonical(out.Path()), synced.path.parent_path());
    EXPECT_NE(std::filesystem::path("iconres.ezx"), synced.path.filename());  // not yet renamed
    EXPECT_FALSE(std::filesystem::exists(synced.path));                      // renamed since
    EXPECT_EQ(202, synced.size);
    EXPECT_EQ(WorkedExamplePacket(), ReadFile(out / "iconres.ezx"));
}

}  // namespace
}  // namespace skinwright::test
#endif
