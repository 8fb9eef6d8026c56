// list PACKET: the rows of a packet as the Viewer lists them.
#include <iomanip>

#include "commands.h"
#include "command_line.h"
#include "core/packet_format.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {

int RunList(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (!line.error.empty())
        return UsageError(err, line.error);
    if (line.operands.size() != 1)
        return UsageError(err, "list takes one packet");
    const auto reader = OpenPacket(line.operands[0], err);
    if (!reader)
        return kExitFailure;

    const ResourceTable& table = reader->Table();
    out << std::left << std::setw(13) << "Resource ID" << std::setw(13) << "ID Offset" << std::setw(13)
        << "Data Offset" << "Possible Resource Name\n";
    for (int i = 0; i < table.Count(); ++i) {
        const ResourceEntry& row = table.rows[static_cast<std::size_t>(i)];
        out << std::setw(13) << FormatHex32(row.id) << std::setw(13)
            << FormatHex32(static_cast<std::uint32_t>(row.idOffset)) << std::setw(13)
            << FormatHex32(static_cast<std::uint32_t>(row.dataOffset)) << DisplayName(row.Name()) << '\n';
    }
    return kExitSuccess;
}

}  // namespace skinwright::cli
