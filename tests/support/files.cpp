#include "files.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <random>
#include <system_error>

namespace skinwright::test {
#ifndef _WIN32
namespace {

// Puts the file size limit and SIGXFSZ back as they were, however `run` ends.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &saved_) != 0)
            throw std::system_error(errno, std::generic_category(), "getrlimit");
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0) {
            const int error = errno;
            std::signal(SIGXFSZ, previous_);
            throw std::system_error(error, std::generic_category(), "setrlimit");
        }
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
};

}  // namespace
#endif

TempFolder::TempFolder(std::string_view purpose)
{
    std::random_device random;
    const std::string stem = "skinwright-" + std::string(purpose) + "-";
    do
        path_ = std::filesystem::temp_directory_path() / (stem + std::to_string(random()));
    while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path EmptyFolder(const TempFolder& folder, std::string_view name)
{
    const std::filesystem::path empty = folder / name;
    std::filesystem::remove_all(empty);
    std::filesystem::create_directories(empty);
    return empty;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ListFolder(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

#ifndef _WIN32
void WithFileSizeLimit(std::uint64_t bytes, const std::function<void()>& run)
{
    const FileSizeLimit limit(bytes);
    run();
}
#endif

}  // namespace skinwright::test
