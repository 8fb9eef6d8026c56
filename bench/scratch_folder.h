// A fresh folder under the system's temporary folder, removed with its contents.
#pragma once

#include <filesystem>
#include <string_view>

namespace skinwright::bench {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace skinwright::bench
