// info PACKET: the packet header as stored, the comment and the counts.
#include "commands.h"
#include "core/name_hash.h"
#include "core/packet_format.h"
#include "packet_comment.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {

int RunInfo(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "info takes one packet");
    const std::filesystem::path path = line.PathOperand(0);
    const auto reader = OpenPacket(path, err);
    if (!reader)
        return kExitFailure;

    const ResourceTable& table = reader->Table();
    int mismatched = 0;
    for (int i = 0; i < table.Count(); ++i) {
        const ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        mismatched += NameHash(row.Name()) != row.id ? 1 : 0;
    }
    const auto hex = [](std::int32_t value) { return FormatHex32(static_cast<std::uint32_t>(value)); };
    const CommentResult comment = CommentOfPacketFile(path);
    out << "file size\t" << reader->FileSize() << '\n'
        << "header offset\t" << hex(table.headerOffset) << '\n'
        << "magic\t" << FormatHex32(table.header.magic) << '\n'
        << "name list offset\t" << hex(table.header.nameListOffset) << '\n'
        << "ID table offset\t" << hex(table.header.idTableOffset) << '\n'
        << "data area offset\t" << hex(table.header.dataAreaOffset) << '\n'
        << "resources\t" << table.Count() << '\n'
        << "names not matching their id\t" << mismatched << '\n'
        << "comment\t" << (static_cast<bool>(comment) ? DisplayName(comment.comment) : "(none: " + comment.what + ")") << '\n';
    return kExitSuccess;
}

}  // namespace skinwright::cli
