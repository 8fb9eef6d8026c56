#include "replacing_write.h"

#include <random>
#include <string>
#include <system_error>

#include "core/binary_file.h"

namespace skinwright::cli {
namespace {

// Reserves a fresh name beside the target; empty when none could be created.
std::filesystem::path ReserveTemporary(const std::filesystem::path& target)
{
    std::random_device random;
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate =
            folder / ("." + target.filename().string() + "." + std::to_string(random()) + ".tmp");
        BinaryFile file = BinaryFile::CreateNew(candidate);
        if (file && file.Close())
            return candidate;
    }
    return {};
}

}  // namespace

bool WriteReplacing(const std::filesystem::path& target,
    const std::function<bool(const std::filesystem::path& temporary)>& write)
{
    const std::filesystem::path temporary = ReserveTemporary(target);
    if (temporary.empty())
        return false;
    std::error_code error;
    if (write(temporary)) {
        std::filesystem::rename(temporary, target, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

bool PathIsTaken(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

}  // namespace skinwright::cli
