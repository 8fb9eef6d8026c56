#include "start_request.h"

#include "core/file_names.h"

namespace skinwright::behaviour {

StartRequest ParseStartArguments(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& currentFolder)
{
    StartRequest request;
    if (arguments.size() != 1)
        return request;
    const std::string& argument = arguments.front();
    if (argument == "--help" || argument == "-h")
        request.action = StartRequest::Action::PrintHelp;
    else if (argument == "--version")
        request.action = StartRequest::Action::PrintVersion;
    else if (!argument.empty() && argument.front() != '-')
        request.packet = currentFolder / PathFromUtf8(argument);
    return request;
}

std::string HelpText(std::string_view applicationName)
{
    const std::string name(applicationName);
    return "Usage: " + name + " [PACKET]\n"
           "\n"
           "Shows the pictures of an icon-resource packet (iconres.ezx) of Motorola EZX\n"
           "phones, exports them, and builds new packets from GIF pictures.\n"
           "\n"
           "With PACKET the Viewer opens that packet; without it, the packet it showed\n"
           "last. Any other command line starts the program as without arguments.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "The windows remember their paths and the Builder's comments in " + name + ".ini\n"
           "beside the executable when its folder can be written or already holds that\n"
           "file, otherwise in $XDG_CONFIG_HOME (by default ~/.config).\n"
           "\n"
           "skinpack(1) does the same work from the command line.\n";
}

std::string VersionText(std::string_view applicationName)
{
    return std::string(applicationName) + " " + SKINWRIGHT_VERSION + "\n";
}

}  // namespace skinwright::behaviour
