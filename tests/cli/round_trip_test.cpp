// A packet taken apart with extract and built again from the extracted
// folder comes back byte for byte, from an empty packet to a full table.
#include <gtest/gtest.h>

#include <cstdio>

#include "skinpack_process.h"
#include "tests/support/packet_bytes.h"
#include "tests/support/pictures.h"

namespace skinwright::cli::test {
namespace {

using namespace skinwright::test;

class RoundTripTest : public ::testing::TestWithParam<int> {
protected:
    void WritePictures(int count)
    {
        std::filesystem::create_directories(scratch / "pictures");
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "icon_%04d.gif", i);
            WriteFile(scratch / "pictures" / name, Picture(7 + static_cast<std::size_t>(i % 97), static_cast<unsigned>(i)));
        }
    }

    ScratchFolder scratch;
};

TEST_P(RoundTripTest, ExtractThenBuildGivesTheSameBytes)
{
    const int count = GetParam();
    WritePictures(count);
    const ProcessResult built =
        scratch.Run({"build", "pictures", "--comment", "Round trip\nof " + std::to_string(count), "-o", "first.ezx"});
    ASSERT_EQ(0, built.exitCode) << built.err;
    const ProcessResult verified = scratch.Run({"verify", "first.ezx"});
    EXPECT_EQ(0, verified.exitCode);
    EXPECT_EQ("", verified.out);

    const ProcessResult extracted = scratch.Run({"extract", "first.ezx", "skin"});
    ASSERT_EQ(0, extracted.exitCode) << extracted.err;
    const ProcessResult rebuilt = scratch.Run(
        {"build", "skin", "--order", "skin/hashtable", "--comment-from", "first.ezx", "-o", "second.ezx"});
    ASSERT_EQ(0, rebuilt.exitCode) << rebuilt.err;
    EXPECT_EQ(ReadFile(scratch / "first.ezx"), ReadFile(scratch / "second.ezx"));

    const ProcessResult fromHeaderFile = scratch.Run(
        {"build", "skin", "--order", "skin/hashtable", "--comment-from", "skin/headerfile", "-o", "third.ezx"});
    ASSERT_EQ(0, fromHeaderFile.exitCode) << fromHeaderFile.err;
    EXPECT_EQ(ReadFile(scratch / "first.ezx"), ReadFile(scratch / "third.ezx"));
}

INSTANTIATE_TEST_SUITE_P(RowCounts, RoundTripTest, ::testing::Values(0, 1, 2, 100, 2047, 2048));

TEST(RoundTrip, DamagedRowsKeepTheirIdsThroughAHashTable)
{
    ScratchFolder scratch;
    std::string packet = WorkedExamplePacket();
    packet.replace(50, 4, "OK.g");
    WriteFile(scratch / "damaged.ezx", packet);
    const ProcessResult extracted = scratch.Run({"extract", "damaged.ezx", "skin"});
    ASSERT_EQ(0, extracted.exitCode);
    ASSERT_TRUE(std::filesystem::exists(scratch / "skin" / "!!!0x000002EF.gif"));
    ASSERT_EQ(0, scratch.Run({"build", "skin", "--order", "skin/hashtable", "-o", "again.ezx"}).exitCode);
    const ProcessResult listed = scratch.Run({"list", "again.ezx"});
    EXPECT_EQ("!!!0x000002EF.g\t0x000002EF\t0x00000000\t0x00000000\n"
              "back.g\t0x000008DF\t0x00000010\t0x00000033\n",
        listed.out);
    EXPECT_EQ("warning: again.ezx: This resource packet may be damaged, continue to use may cause error!\n", listed.err);
}

TEST(RoundTrip, MoreThan2048PicturesAreRefused)
{
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "pictures");
    std::string order;
    for (int i = 0; i <= 2048; ++i)
        order += "p" + std::to_string(i) + ".g\n";
    WriteFile(scratch / "order", order);
    const ProcessResult result = scratch.Run({"build", "pictures", "--order", "order", "-o", "full.ezx"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("skinpack: order: line 2049: The resource list is full (2048 resources).\n", result.err);
    EXPECT_FALSE(std::filesystem::exists(scratch / "full.ezx"));
}

}  // namespace
}  // namespace skinwright::cli::test
