// What the command line asks of the program at start. The program is meant
// to be started without arguments, or by a file manager with one packet; any
// other command line starts it as without arguments.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::behaviour {

struct StartRequest {
    enum class Action { Run, PrintHelp, PrintVersion };
    Action action = Action::Run;
    std::filesystem::path packet;  // absolute; empty when no packet was given
};

// `arguments` without the program's own name, as UTF-8 text: an argument
// that is no UTF-8 cannot name a file through the windows' text, and is left
// out by the caller. A relative packet is taken from `currentFolder`.
StartRequest ParseStartArguments(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& currentFolder);

std::string HelpText(std::string_view applicationName);
std::string VersionText(std::string_view applicationName);

}  // namespace skinwright::behaviour
