#include "open_folder.h"

#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace skinwright {

OpenFolder::OpenFolder(std::filesystem::path folder, Listing listing)
    : path_(std::move(folder))
{
#ifndef _WIN32
    descriptor_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
    if (listing == Listing::None)
        return;
    std::error_code error;
    for (std::filesystem::directory_iterator it(path_, error), end; !error && it != end; it.increment(error))
        names_.insert(it->path().filename().native());
    listed_ = !error;
}

OpenFolder::~OpenFolder()
{
#ifndef _WIN32
    if (descriptor_ >= 0)
        ::close(descriptor_);
#endif
}

std::int64_t OpenFolder::RegularFileSize(const std::filesystem::path& name) const
{
#ifndef _WIN32
    if (descriptor_ >= 0) {
        struct stat facts {};
        if (::fstatat(descriptor_, name.c_str(), &facts, 0) != 0 || !S_ISREG(facts.st_mode))
            return -1;
        return static_cast<std::int64_t>(facts.st_size);
    }
#endif
    return skinwright::RegularFileSize(path_ / name);
}

std::filesystem::file_status OpenFolder::Status(const std::filesystem::path& name) const
{
    if (listed_ && !names_.contains(name.native()))
        return std::filesystem::file_status(std::filesystem::file_type::not_found);
#ifndef _WIN32
    if (descriptor_ >= 0) {
        namespace fs = std::filesystem;
        struct stat facts {};
        if (::fstatat(descriptor_, name.c_str(), &facts, 0) != 0)
            return fs::file_status(fs::file_type::not_found);
        const fs::file_type type = S_ISREG(facts.st_mode) ? fs::file_type::regular
            : S_ISDIR(facts.st_mode)                      ? fs::file_type::directory
                                                          : fs::file_type::unknown;
        return fs::file_status(type, static_cast<fs::perms>(facts.st_mode & 07777));
    }
#endif
    std::error_code error;
    return std::filesystem::status(path_ / name, error);
}

BinaryFile OpenFolder::CreateTemporary(std::filesystem::path& created) const
{
#ifndef _WIN32
    if (descriptor_ >= 0) {
        for (int attempt = 0; attempt < kTemporaryFileAttempts; ++attempt) {
            std::string candidate = TemporaryFileName();
            const int descriptor =
                ::openat(descriptor_, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor < 0)
                continue;
            created = std::move(candidate);
            return BinaryFile(DescriptorFile(descriptor));
        }
        return {};
    }
#endif
    BinaryFile file = BinaryFile::CreateTemporaryIn(path_, created);
    created = created.filename();
    return file;
}

#ifdef _WIN32
namespace {

// Explorer, indexers and virus scanners open a new file for a moment; a move
// onto a file so held fails until they let go. Such a failure is tried again
// for about half a second, waiting twice as long each time. A target that
// stays in the way (a read-only file, a folder) fails at once.
bool MightLetGo(DWORD error, const std::filesystem::path& target)
{
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES
           && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    constexpr DWORD kLongestWait = 256;  // milliseconds; about 0.5 s in all
    for (DWORD wait = 1;; wait *= 2) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
            return true;
        if (wait > kLongestWait || !MightLetGo(GetLastError(), to))
            return false;
        Sleep(wait);
    }
}

}  // namespace
#endif

bool OpenFolder::Rename(const std::filesystem::path& from, const std::filesystem::path& to) const
{
#ifdef _WIN32
    return MoveOver(path_ / from, path_ / to);
#else
    if (descriptor_ >= 0)
        return ::renameat(descriptor_, from.c_str(), descriptor_, to.c_str()) == 0;
    std::error_code error;
    std::filesystem::rename(path_ / from, path_ / to, error);
    return !error;
#endif
}

void OpenFolder::Remove(const std::filesystem::path& name) const
{
#ifndef _WIN32
    if (descriptor_ >= 0) {
        ::unlinkat(descriptor_, name.c_str(), 0);
        return;
    }
#endif
    std::error_code ignored;
    std::filesystem::remove(path_ / name, ignored);
}

BinaryFile OpenFolder::OpenRegularFile(const std::filesystem::path& name) const
{
#ifdef _WIN32
    return BinaryFile::OpenForReading(path_ / name);
#else
    const int descriptor = descriptor_ >= 0
        ? ::openat(descriptor_, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
        : ::open((path_ / name).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    BinaryFile file{DescriptorFile(descriptor)};
    struct stat facts {};
    if (::fstat(descriptor, &facts) != 0 || !S_ISREG(facts.st_mode))
        return {};
    return file;
#endif
}

}  // namespace skinwright
