// A folder of the program's own under the system's temporary folder, named
// after the program ("Skinwright-XXXXXX"), made on first use and removed
// with everything in it when its owner goes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace skinwright::behaviour {

class PrivateFolder {
public:
    explicit PrivateFolder(std::string applicationName);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // The folder, made now if it was not; none when it cannot be made.
    std::optional<std::filesystem::path> Path();

private:
    std::string applicationName_;
    std::filesystem::path path_;
    bool tried_ = false;
};

}  // namespace skinwright::behaviour
