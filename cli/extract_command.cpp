// extract PACKET FOLDER: both side files and every picture, as "Save All ..." writes them.
#include <cstdio>
#include <system_error>

#include "commands.h"
#include "command_line.h"
#include "core/file_names.h"
#include "core/codepage.h"
#include "core/packet_format.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {

int RunExtract(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 2 || line.operands[0].empty() || line.operands[1].empty())
        return UsageError(err, "extract takes a packet and a folder");
    const std::filesystem::path folder = line.PathOperand(1);

    const auto reader = OpenPacket(line.PathOperand(0), err);
    if (!reader)
        return kExitFailure;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        err << "skinpack: cannot create the folder " << DisplayPath(folder) << '\n';
        return kExitFailure;
    }

    // The side files first, as the Viewer writes them; their failures are told too.
    bool sideFilesWritten = true;
    const auto writeSideFile = [&](const char* fileName, bool (PacketReader::*write)(const std::filesystem::path&)) {
        const std::filesystem::path target = folder / fileName;
        if (!(*reader.*write)(target)) {
            err << DisplayPath(target) << " Failed to save\n";
            sideFilesWritten = false;
        }
    };
    writeSideFile("headerfile", &PacketReader::WriteHeaderFile);
    writeSideFile("hashtable", &PacketReader::WriteHashTable);

    const ResourceTable& table = reader->Table();
    int failures = 0;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string_view name = table.rows[static_cast<std::size_t>(i)].Name();
        if (!IsSafeExportName(name)) {
            err << "skinpack: " << DisplayName(name) << " is not saved: its name would leave the folder\n";
            ++failures;
            continue;
        }
        const std::filesystem::path target = folder / PathFromUtf8(Cp1252ToUtf8(PictureFileName(name)));
        if (!reader->ExtractResource(i, target)) {
            err << DisplayPath(target) << " Failed to save\n";
            ++failures;
        }
    }

    if (failures > 0) {
        char summary[64];
        std::snprintf(summary, sizeof summary, "%d of %d Failed to save", failures, table.Count());
        err << summary << '\n';
        return kExitFailure;
    }
    if (!sideFilesWritten)
        return kExitFailure;
    out << "Successfully exported!\n";
    return kExitSuccess;
}

}  // namespace skinwright::cli
