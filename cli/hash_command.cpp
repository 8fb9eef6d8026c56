// hash NAME...: the resource id a name gets.
#include "commands.h"
#include "core/codepage.h"
#include "core/name_hash.h"
#include "core/packet_format.h"
#include "terminal_text.h"

namespace skinwright::cli {

int RunHash(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.empty())
        return UsageError(err, "hash takes at least one name");
    int status = kExitSuccess;
    for (const std::string& name : line.operands) {
        const auto bytes = Utf8ToCp1252(name);
        if (!bytes) {
            err << "skinpack: " << TerminalSafe(name) << ": holds characters that Windows-1252 cannot represent\n";
            status = kExitFailure;
            continue;
        }
        out << FormatHex32(NameHash(*bytes)) << '\t' << name << '\n';
    }
    return status;
}

}  // namespace skinwright::cli
