#include "program_setup.h"

#include "folders.h"
#include "settings_file.h"

namespace skinwright::behaviour {

ProgramSetup DecideProgramSetup(const std::filesystem::path& programFolder, std::string applicationName,
                                std::filesystem::path startPacket)
{
    ProgramSetup setup;
    setup.programFolder = EnsureTrailingSeparator(programFolder);
    setup.portable = KeepsFilesBesideProgram(setup.programFolder, applicationName);
    setup.settingsFile = SettingsFilePath(setup.programFolder, applicationName, setup.portable);
    setup.applicationName = std::move(applicationName);
    setup.startPacket = std::move(startPacket);
    return setup;
}

}  // namespace skinwright::behaviour
