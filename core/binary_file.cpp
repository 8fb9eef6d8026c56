#include "binary_file.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <sys/stat.h>

namespace skinwright {
namespace {

// Files are opened by their path's own characters: wide ones on Windows.
std::FILE* OpenStream(const std::filesystem::path& path, const char* mode)
{
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// A new file, or none when anything stands at the path already.
std::FILE* CreateNewStream(const std::filesystem::path& path)
{
#ifdef _WIN32
    const int descriptor = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr)
        _close(descriptor);
    return file;
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

}  // namespace

std::string TemporaryFileName()
{
    // Seeded once: asking the system for randomness at every file costs more
    // than writing a small picture.
    static std::minstd_rand random(std::random_device{}());
    return ".skinwright-" + std::to_string(random()) + ".tmp";
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::int64_t RegularFileSize(const std::filesystem::path& path)
{
#ifdef _WIN32
    struct _stat64 facts {};
    if (_wstat64(path.c_str(), &facts) != 0 || (facts.st_mode & _S_IFMT) != _S_IFREG)
        return -1;
#else
    struct stat facts {};
    if (::stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode))
        return -1;
#endif
    return static_cast<std::int64_t>(facts.st_size);
}

BinaryFile BinaryFile::OpenForReading(const std::filesystem::path& path)
{
    if (!IsRegularFile(path))
        return {};
    std::FILE* file = OpenStream(path, "rb");
    return file != nullptr ? BinaryFile(StreamFile(file)) : BinaryFile();
}

BinaryFile BinaryFile::CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& created)
{
    for (int attempt = 0; attempt < kTemporaryFileAttempts; ++attempt) {
        const std::filesystem::path candidate = folder / TemporaryFileName();
        if (std::FILE* file = CreateNewStream(candidate)) {
            created = candidate;
            return BinaryFile(StreamFile(file));
        }
    }
    return {};
}

BinaryFile BinaryFile::InMemory(std::string& bytes)
{
    return BinaryFile(MemoryFile(bytes));
}

bool BinaryFile::IsOpen() const
{
    return std::visit([](const auto& file) { return file.IsOpen(); }, file_);
}

void BinaryFile::DisableBuffering()
{
    std::visit([](auto& file) { file.DisableBuffering(); }, file_);
}

std::int64_t BinaryFile::Size() const
{
    return std::visit([](const auto& file) { return file.Size(); }, file_);
}

bool BinaryFile::Seek(std::int64_t position)
{
    return std::visit([&](auto& file) { return file.Seek(position); }, file_);
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    return std::visit([&](auto& file) { return file.Read(buffer, count); }, file_);
}

std::size_t BinaryFile::ReadAt(std::int64_t position, void* buffer, std::size_t count)
{
    return std::visit([&](auto& file) { return file.ReadAt(position, buffer, count); }, file_);
}

std::size_t BinaryFile::ReadOnce(void* buffer, std::size_t count)
{
    return std::visit([&](auto& file) { return file.ReadOnce(buffer, count); }, file_);
}

bool BinaryFile::Write(const void* data, std::size_t count)
{
    return std::visit([&](auto& file) { return file.Write(data, count); }, file_);
}

// A closed file of any kind is no file any more.
bool BinaryFile::Close()
{
    const bool closed = std::visit([](auto& file) { return file.Close(); }, file_);
    file_ = ClosedFile();
    return closed;
}

bool BinaryFile::CloseDurably()
{
    const bool closed = std::visit([](auto& file) { return file.CloseDurably(); }, file_);
    file_ = ClosedFile();
    return closed;
}

}  // namespace skinwright
