#include "private_folder.h"

#include <random>

#ifndef _WIN32
#include <cstdlib>
#endif

#include "core/file_names.h"

namespace skinwright::behaviour {
namespace {

std::optional<std::filesystem::path> MakeFolder(const std::string& applicationName)
{
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error)
        return std::nullopt;
#ifdef _WIN32
    std::random_device seed;
    std::mt19937 random(seed());
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = applicationName + "-";
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % kLetters.size()];
        const std::filesystem::path folder = temporary / PathFromUtf8(name);
        if (std::filesystem::create_directory(folder, error))
            return folder;
    }
    return std::nullopt;
#else
    std::string pattern = (temporary / (applicationName + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        return std::nullopt;
    return std::filesystem::path(pattern);
#endif
}

}  // namespace

PrivateFolder::PrivateFolder(std::string applicationName) : applicationName_(std::move(applicationName)) {}

PrivateFolder::~PrivateFolder()
{
    if (path_.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::optional<std::filesystem::path> PrivateFolder::Path()
{
    if (!tried_) {
        tried_ = true;
        path_ = MakeFolder(applicationName_).value_or(std::filesystem::path());
    }
    if (path_.empty())
        return std::nullopt;
    return path_;
}

}  // namespace skinwright::behaviour
