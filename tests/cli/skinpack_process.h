// Running the skinpack binary in a scratch folder and keeping what it said.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace skinwright::cli::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A folder of its own for each test, removed afterwards; commands run in work().
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& work() const { return work_; }
    std::filesystem::path operator/(const std::string& name) const { return work_ / name; }

    // Runs skinpack with the arguments in work(). With a file size limit (in
    // 512-byte blocks) SIGXFSZ is ignored, so writes past it fail instead.
    ProcessResult Run(const std::vector<std::string>& args, int fileSizeLimitBlocks = 0) const;

private:
    std::filesystem::path root_;
    std::filesystem::path work_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// File names in the folder, sorted.
std::vector<std::string> ListFolder(const std::filesystem::path& folder);

}  // namespace skinwright::cli::test
