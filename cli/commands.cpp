#include "commands.h"

#include "usage.h"

namespace skinwright::cli {

std::optional<int> AnswerOrRefuse(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!line.error.empty())
        return UsageError(err, line.error);
    if (line.Has("help"))
        out << UsageText();
    else if (line.Has("version"))
        out << VersionText();
    else
        return std::nullopt;
    return kExitSuccess;
}

int UsageError(std::ostream& err, std::string_view message)
{
    err << "skinpack: " << message << "\nTry 'skinpack --help'.\n";
    return kExitUsage;
}

}  // namespace skinwright::cli
