#include "skinpack.h"

#include <span>
#include <string_view>

#include "commands.h"
#include "terminal_text.h"
#include "usage.h"

namespace skinwright::cli {

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError(err, "no command given");
    const std::string_view command = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (command == "help" || command == "--help" || command == "-h") {
        out << UsageText();
        return kExitSuccess;
    }
    if (command == "--version") {
        out << VersionText();
        return kExitSuccess;
    }
    if (command == "list")
        return RunList(rest, out, err);
    if (command == "extract")
        return RunExtract(rest, out, err);
    if (command == "build")
        return RunBuild(rest, out, err);
    if (command == "hash")
        return RunHash(rest, out, err);
    if (command == "info")
        return RunInfo(rest, out, err);
    if (command == "verify")
        return RunVerify(rest, out, err);
    if (command == "pictures")
        return RunPictures(rest, out, err);
    if (command == "diff")
        return RunDiff(rest, out, err);
    if (command == "sheet")
        return RunSheet(rest, out, err);
    return UsageError(err, "unknown command " + TerminalSafe(command));
}

}  // namespace skinwright::cli
