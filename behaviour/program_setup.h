// What the program takes from outside, decided once at start by either
// front end's main and handed to every window.
#pragma once

#include <filesystem>
#include <string>

namespace skinwright::behaviour {

struct ProgramSetup {
    std::filesystem::path settingsFile{};
    std::filesystem::path programFolder{};  // ends in a separator
    std::string applicationName{};          // caption of every message box
    std::filesystem::path startPacket{};    // opened instead of the remembered packet; empty for none
    bool portable = true;                   // keeps its files beside itself; an installed program does not
};

// The setup of the program running from `programFolder` under its name: a
// portable program keeps its settings file beside itself, an installed one
// in the user's configuration folder. `startPacket` is the packet the
// command line named, if any.
ProgramSetup DecideProgramSetup(const std::filesystem::path& programFolder, std::string applicationName,
                                std::filesystem::path startPacket);

}  // namespace skinwright::behaviour
