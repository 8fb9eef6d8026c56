// extract PACKET FOLDER: both side files and every picture, as "Save All ..." writes them.
#include <system_error>

#include "commands.h"
#include "command_line.h"
#include "core/file_names.h"
#include "core/codepage.h"
#include "core/packet_export.h"
#include "core/packet_format.h"
#include "packet_loading.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

class FailuresToStream : public ExportListener {
public:
    explicit FailuresToStream(std::ostream& err) : err_(err) {}

    void SideFileFailed(const std::filesystem::path& target) override
    {
        err_ << DisplayPath(target) << " Failed to save\n";
    }
    void NameLeavesFolder(std::string_view name) override
    {
        err_ << "skinpack: " << DisplayName(name) << " is not saved: its name would leave the folder\n";
    }
    void PictureFailed(const std::filesystem::path& target) override
    {
        err_ << DisplayPath(target) << " Failed to save\n";
    }

private:
    std::ostream& err_;
};

}  // namespace

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
    FailuresToStream failures(err);
    const ExportCounts counts = ExportPacket(*reader, folder, failures);

    if (counts.failures > 0) {
        err << counts.failures << " of " << counts.rows << " Failed to save\n";
        return kExitFailure;
    }
    if (counts.sideFileFailures > 0)
        return kExitFailure;
    out << "Successfully exported!\n";
    return kExitSuccess;
}

}  // namespace skinwright::cli
