#include "scratch_folder.h"

#include <unistd.h>

#include <string>
#include <system_error>

namespace skinwright::bench {

ScratchFolder::ScratchFolder(std::string_view purpose)
    : path_(std::filesystem::temp_directory_path()
          / ("skinwright-" + std::string(purpose) + "." + std::to_string(::getpid())))
{
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace skinwright::bench
