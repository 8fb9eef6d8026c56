// verify PACKET: the findings of the strict check, one line each.
#include "commands.h"
#include "core/packet_check.h"
#include "core/packet_format.h"
#include "terminal_text.h"
#include "text_file.h"

namespace skinwright::cli {

int RunVerify(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "verify takes one packet");
    const std::filesystem::path path = line.PathOperand(0);
    const FileText packet = ReadWholeFile(path, kMaxPacketSize);
    if (!packet) {
        err << "skinpack: cannot read packet " << DisplayPath(path) << ": " << packet.what << '\n';
        return kExitFailure;
    }
    const std::vector<std::string> findings = CheckPacketLayout(packet.bytes);
    for (const std::string& finding : findings)
        out << finding << '\n';
    return findings.empty() ? kExitSuccess : kExitFailure;
}

}  // namespace skinwright::cli
