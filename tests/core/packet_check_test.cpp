// The strict check: writer output passes; each planted fault is found; no
// bytes whatever make it read outside the packet.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "core/packet_check.h"
#include "tests/support/packet_bytes.h"

namespace skinwright::test {
namespace {

TEST(CheckPacketLayout, WriterLayoutHasNoFindings)
{
    EXPECT_EQ(std::vector<std::string>{}, CheckPacketLayout(WorkedExamplePacket()));
}

TEST(CheckPacketLayout, FindsEachPlantedFault)
{
    const struct {
        const char* fault;
        std::function<void(std::string&)> plant;
        std::string finding;
    } cases[] = {
        {"upper-case digits", [](std::string& p) { p.replace(16, 8, "0000004C"); },
            "text header: the header offset is not 8 lower-case hexadecimal digits"},
        {"first digit", [](std::string& p) { p[16] = 'g'; },
            "text header: the header offset is not 8 lower-case hexadecimal digits"},
        {"no v1.00", [](std::string& p) { p.replace(10, 5, "v2.00"); },
            "text header: does not begin with \"motoskin\", a blank line and \"v1.00\""},
        {"packet magic", [](std::string& p) { PutLe32(p, 64, 1); },
            "packet header: magic 0x00000001, expected 0xABCDDCBA"},
        {"ID table offset", [](std::string& p) { PutLe32(p, 76, 88); },
            "packet header: ID table offset 0x00000058, expected 0x00000054"},
        {"padding not zero", [](std::string& p) { p[63] = 'x'; },
            "name list: followed by 2 bytes before the packet header instead of 0 to 3 zero bytes"},
        {"name and id", [](std::string& p) { p.replace(50, 4, "OK.g"); },
            "row 1 (id 0x000002EF): its name hashes to 0x0000036F"},
        {"empty row", [](std::string& p) { PutLe32(p, 96, 0xFFFFFFFF); },
            "row 2 (id 0xFFFFFFFF): an empty row"},
        {"name offset", [](std::string& p) { PutLe32(p, 100, 4); },
            "row 2 (id 0x000008DF): name offset 0x00000004, expected 0x00000005"},
        {"data offset", [](std::string& p) { PutLe32(p, 104, 52); },
            "row 2 (id 0x000008DF): data offset 0x00000034, expected 0x00000033"},
        {"record magic", [](std::string& p) { PutLe32(p, 108, 0); },
            "row 1 (id 0x000002EF): record magic 0x00000000, expected 0xDCBAABCD"},
        {"not a GIF", [](std::string& p) { p.replace(116, 3, "PNG"); },
            "row 1 (id 0x000002EF): its record does not hold a GIF picture"},
        {"bytes after the last record", [](std::string& p) { p += '\0'; },
            "data area: 1 bytes follow the last record"},
        {"cut inside a record", [](std::string& p) { p.pop_back(); },
            "row 2 (id 0x000008DF): its record is cut off by the end of the file"},
        {"empty record", [](std::string& p) { PutLe32(p, 112, 0); },
            "row 1 (id 0x000002EF): its record is empty"},
        {"header not 4-aligned", [](std::string& p) {
             // The padding dropped and every offset after it moved back.
             p.erase(62, 2);
             p.replace(16, 8, "0000003e");
             PutLe32(p, 74, 82);
             PutLe32(p, 78, 106);
         }, "packet header: at 0x0000003E, not a multiple of 4"},
        {"no ID table caption", [](std::string& p) { p.replace(39, 9, "ID tablE:"); },
            "text header: no \"ID table:\" caption before the name list"},
        {"CR in the comment", [](std::string& p) { p = HandMadePacket("", 52, 0, {}, ""); p[38] = '\r'; },
            "text header: the comment holds a CR or a zero byte"},
        {"zero byte in the comment", [](std::string& p) { p = HandMadePacket("", 52, 0, {}, ""); p[37] = '\0'; },
            "text header: the comment holds a CR or a zero byte"},
        {"last name without its LF", [](std::string& p) { p[61] = '\0'; },
            "row 2 (id 0x000008DF): its name is cut off by the packet header"},
        {"name of 128 bytes",
            [](std::string& p) { p = HandMadePacket(std::string(126, 'n') + ".g\n", 50, 1, {{0x1234, 0, 0}}, ""); },
            "row 1 (id 0x00001234): its name is longer than 127 bytes"},
    };
    for (const auto& c : cases) {
        std::string packet = WorkedExamplePacket();
        c.plant(packet);
        const std::vector<std::string> findings = CheckPacketLayout(packet);
        EXPECT_NE(std::find(findings.begin(), findings.end(), c.finding), findings.end())
            << c.fault << ": " << ::testing::PrintToString(findings);
    }
}

TEST(CheckPacketLayout, EveryTruncationIsFound)
{
    const std::string packet = WorkedExamplePacket();
    for (std::size_t size = 0; size < packet.size(); ++size)
        EXPECT_FALSE(CheckPacketLayout(packet.substr(0, size)).empty()) << "cut at " << size;
}

TEST(CheckPacketLayout, CorruptedBytesNeverLeadOutOfThePacket)
{
    std::mt19937 random(20240607);
    const std::string packet = WorkedExamplePacket();
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = packet.substr(0, random() % (packet.size() + 1));
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0 && !bytes.empty(); --flips)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        EXPECT_LE(CheckPacketLayout(bytes).size(), kMaxListedFindings + 1);
    }
}

TEST(CheckPacketLayout, ListsAtMostFiftyFindings)
{
    std::string packet = WorkedExamplePacket();
    PutLe32(packet, 72, 1000);  // an entry count far past the rows the file holds
    const std::vector<std::string> cutOff = CheckPacketLayout(packet);
    EXPECT_EQ("ID table: cut off by the end of the file", cutOff.back());

    // 60 rows named a.g whose ids are all 0.
    std::string many = "motoskin\n\nv1.00\n00000124\n\nComments:\n\n\n\nID table:\n\n";
    for (int i = 0; i < 60; ++i)
        many += "a.g\n";
    many.resize(0x124, '\0');
    std::string header(20 + 60 * 12, '\0');
    PutLe32(header, 0, 0xABCDDCBA);
    PutLe32(header, 4, 50);
    PutLe32(header, 8, 60);
    const std::vector<std::string> findings = CheckPacketLayout(many + header);
    ASSERT_EQ(kMaxListedFindings + 1, findings.size());
    EXPECT_TRUE(findings.back().ends_with(" more findings"));
}

}  // namespace
}  // namespace skinwright::test
