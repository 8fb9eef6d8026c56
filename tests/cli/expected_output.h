// What a command is expected to print, kept in expected/ as files a reviewer reads.
#pragma once

#include <string>

#include "core/file_names.h"
#include "tests/support/files.h"

namespace skinwright::cli::test {

inline std::string ExpectedOutput(const std::string& file)
{
    return skinwright::test::ReadFile(PathFromUtf8(SKINWRIGHT_EXPECTED_OUTPUTS) / file);
}

}  // namespace skinwright::cli::test
