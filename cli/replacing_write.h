// Writing an output file so that a failure never leaves a half-written or
// emptied file behind.
#pragma once

#include <filesystem>
#include <functional>

namespace skinwright::cli {

// Runs `write` on a new temporary file beside the target and renames it over
// the target only when `write` succeeded. On failure the temporary is removed
// and whatever stood at the target is untouched.
bool WriteReplacing(const std::filesystem::path& target,
    const std::function<bool(const std::filesystem::path& temporary)>& write);

// True when anything stands at the path, a dangling link included.
bool PathIsTaken(const std::filesystem::path& path);

}  // namespace skinwright::cli
