#include "binary_file.h"

#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

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

// Positions as 64-bit numbers: a long has 32 bits on Windows.
std::int64_t Tell(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return std::ftell(file);
#endif
}

bool SeekTo(std::FILE* file, std::int64_t position, int origin)
{
#ifdef _WIN32
    return _fseeki64(file, position, origin) == 0;
#else
    return std::fseek(file, static_cast<long>(position), origin) == 0;
#endif
}

bool SyncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    file_ = std::move(other.file_);
    buffer_ = std::move(other.buffer_);
    failed_ = other.failed_;
    return *this;
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

BinaryFile BinaryFile::OpenForReading(const std::filesystem::path& path)
{
    if (!IsRegularFile(path))
        return {};
    return BinaryFile(OpenStream(path, "rb"));
}

BinaryFile BinaryFile::CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& created)
{
    // Seeded once: asking the system for randomness at every file costs more
    // than writing a small picture.
    static std::minstd_rand random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = folder / (".skinwright-" + std::to_string(random()) + ".tmp");
        if (std::FILE* file = CreateNewStream(candidate)) {
            created = candidate;
            return BinaryFile(file);
        }
    }
    return {};
}

void BinaryFile::DisableBuffering()
{
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
}

void BinaryFile::SetBufferSize(std::size_t size)
{
    buffer_ = std::make_unique<char[]>(size);
    std::setvbuf(file_.get(), buffer_.get(), _IOFBF, size);
}

std::int64_t BinaryFile::Size() const
{
    std::FILE* file = file_.get();
    const std::int64_t position = Tell(file);
    if (position < 0 || !SeekTo(file, 0, SEEK_END))
        return -1;
    const std::int64_t size = Tell(file);
    SeekTo(file, position, SEEK_SET);
    return size;
}

bool BinaryFile::Seek(std::int64_t position)
{
    return position >= 0 && SeekTo(file_.get(), position, SEEK_SET);
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    return std::fread(buffer, 1, count, file_.get());
}

bool BinaryFile::Write(const void* data, std::size_t count)
{
    if (count != 0 && std::fwrite(data, 1, count, file_.get()) != count)
        failed_ = true;
    return !failed_;
}

bool BinaryFile::Close()
{
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed && !failed_;
}

bool BinaryFile::CloseDurably()
{
    if (!file_)
        return false;
    const bool synced = std::fflush(file_.get()) == 0 && SyncToDisk(file_.get());
    return Close() && synced;
}

}  // namespace skinwright
