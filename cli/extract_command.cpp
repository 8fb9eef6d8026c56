// extract PACKET NAME [-o FILE] [-f]: one resource's picture, as "Save As ...".
#include <array>

#include "commands.h"
#include "command_line.h"
#include "core/codepage.h"
#include "core/packet_format.h"
#include "packet_loading.h"
#include "replacing_write.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"output", 'o', true}, {"force", 'f', false}}};

// The first row with the name, or -1.
int FindRow(const ResourceTable& table, std::string_view name)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table.rows[static_cast<std::size_t>(i)].Name() == name)
            return i;
    return -1;
}

}  // namespace

int RunExtract(std::span<const std::string> args, std::ostream&, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, kOptions);
    if (!line.error.empty())
        return UsageError(err, line.error);
    if (line.operands.size() != 2)
        return UsageError(err, "extract takes a packet and a resource name");
    if (line.Has("output") && line.Value("output").empty())
        return UsageError(err, "option --output needs a file name");
    const std::string& packetPath = line.operands[0];
    const std::string& wanted = line.operands[1];

    const auto reader = OpenPacket(packetPath, err);
    if (!reader)
        return kExitFailure;
    const auto name = Utf8ToCp1252(wanted);
    const int row = name ? FindRow(reader->Table(), *name) : -1;
    if (row < 0) {
        err << "skinpack: " << DisplayPath(packetPath) << " holds no resource named " << TerminalSafe(wanted) << '\n';
        return kExitFailure;
    }

    std::filesystem::path target;
    if (line.Has("output")) {
        target = line.Value("output");
    } else {
        if (!IsSafeExportName(*name)) {
            err << "skinpack: the name " << TerminalSafe(wanted)
                << " would leave the current folder; give the file to write with -o\n";
            return kExitFailure;
        }
        target = Cp1252ToUtf8(PictureFileName(*name));
    }
    if (!line.Has("force") && PathIsTaken(target)) {
        err << "skinpack: " << DisplayPath(target) << " already exists; give -f to replace it\n";
        return kExitFailure;
    }
    if (!WriteReplacing(target, [&](const std::filesystem::path& file) { return reader->ExtractResource(row, file); })) {
        err << DisplayPath(target) << " Failed to save\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace skinwright::cli
