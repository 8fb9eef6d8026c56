#include "replacing_write.h"

#include <system_error>

#include "core/binary_file.h"

namespace skinwright::cli {
namespace {

// Reserves a fresh name beside the target; empty when none could be created.
std::filesystem::path ReserveTemporary(const std::filesystem::path& target)
{
    std::filesystem::path temporary;
    BinaryFile file = BinaryFile::CreateTemporaryIn(target.parent_path(), temporary);
    return file && file.Close() ? temporary : std::filesystem::path();
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
