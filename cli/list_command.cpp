// list PACKET: the rows of a packet in the Viewer's order, one line each;
// control characters in a name are written out, so every row stays one line.
#include "commands.h"
#include "core/packet_format.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {

int RunList(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "list takes one packet");
    const auto reader = OpenPacket(line.PathOperand(0), err);
    if (!reader)
        return kExitFailure;

    const ResourceTable& table = reader->Table();
    for (int i = 0; i < table.Count(); ++i) {
        const ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        out << DisplayName(row.Name()) << '\t' << FormatHex32(row.id) << '\t'
            << FormatHex32(static_cast<std::uint32_t>(row.idOffset)) << '\t'
            << FormatHex32(static_cast<std::uint32_t>(row.dataOffset)) << '\n';
    }
    return kExitSuccess;
}

}  // namespace skinwright::cli
