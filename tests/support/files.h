// Folders of a test's own, whole files read and written, and writes made to
// fail as on a full disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::test {

// A fresh folder under the system's temporary folder, removed with its
// contents at the end.
class TempFolder {
public:
    explicit TempFolder(std::string_view purpose = "test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A folder of the temporary folder's, made empty.
std::filesystem::path EmptyFolder(const TempFolder& folder, std::string_view name);

// The file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// The names in the folder, sorted.
std::vector<std::string> ListFolder(const std::filesystem::path& folder);

#ifndef _WIN32
// Runs `run` with writes limited to `bytes` per file, so that writes beyond
// fail as on a full disk instead of ending the process. Windows has no such
// limit: tests of failing writes run on Linux only.
void WithFileSizeLimit(std::uint64_t bytes, const std::function<void()>& run);
#endif

}  // namespace skinwright::test
