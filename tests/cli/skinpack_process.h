// Running the skinpack binary in a folder of the test's own and keeping what
// it said.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"

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

    const std::filesystem::path& work() const { return work_; }
    std::filesystem::path operator/(const std::string& name) const { return work_ / name; }

    // Runs skinpack with the arguments in work(). With a file size limit (in
    // 512-byte blocks) SIGXFSZ is ignored, so writes past it fail instead.
    ProcessResult Run(const std::vector<std::string>& args, int fileSizeLimitBlocks = 0) const;

private:
    skinwright::test::TempFolder root_{"skinpack"};
    std::filesystem::path work_;
};

}  // namespace skinwright::cli::test
