#include "binary_file.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
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

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : buffer_(std::move(other.buffer_)), file_(std::move(other.file_)), memory_(std::exchange(other.memory_, nullptr)),
      position_(other.position_), failed_(other.failed_)
{
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    file_ = std::move(other.file_);
    buffer_ = std::move(other.buffer_);
    memory_ = std::exchange(other.memory_, nullptr);
    position_ = other.position_;
    failed_ = other.failed_;
    return *this;
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

BinaryFile BinaryFile::InMemory(std::string& bytes)
{
    BinaryFile file;
    file.memory_ = &bytes;
    return file;
}

void BinaryFile::DisableBuffering()
{
    if (file_)
        std::setvbuf(file_.get(), nullptr, _IONBF, 0);
}

void BinaryFile::SetBufferSize(std::size_t size)
{
    if (!file_)
        return;
    buffer_ = std::make_unique<char[]>(size);
    std::setvbuf(file_.get(), buffer_.get(), _IOFBF, size);
}

std::int64_t BinaryFile::Size() const
{
    if (memory_)
        return static_cast<std::int64_t>(memory_->size());
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
    if (position < 0)
        return false;
    if (memory_) {
        position_ = static_cast<std::size_t>(position);
        return true;
    }
    return SeekTo(file_.get(), position, SEEK_SET);
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    if (!memory_)
        return std::fread(buffer, 1, count, file_.get());
    const std::size_t available = position_ < memory_->size() ? memory_->size() - position_ : 0;
    const std::size_t read = std::min(count, available);
    if (read != 0)
        std::memcpy(buffer, memory_->data() + position_, read);
    position_ += read;
    return read;
}

bool BinaryFile::Write(const void* data, std::size_t count)
{
    if (count == 0)
        return !failed_;
    if (memory_) {
        // Like a file written past its end, the gap reads as zeros.
        if (memory_->size() < position_ + count)
            memory_->resize(position_ + count);
        std::memcpy(memory_->data() + position_, data, count);
        position_ += count;
    } else if (std::fwrite(data, 1, count, file_.get()) != count) {
        failed_ = true;
    }
    return !failed_;
}

bool BinaryFile::Close()
{
    if (memory_) {
        memory_ = nullptr;
        return !failed_;
    }
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed && !failed_;
}

bool BinaryFile::CloseDurably()
{
    if (!file_)
        return Close();
    const bool synced = std::fflush(file_.get()) == 0 && SyncToDisk(file_.get());
    return Close() && synced;
}

}  // namespace skinwright
