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

#include <cerrno>
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


#ifndef _WIN32
bool WriteAll(int descriptor, const char* data, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(descriptor, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}
#endif


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

std::string TemporaryFileName()
{
    // Seeded once: asking the system for randomness at every file costs more
    // than writing a small picture.
    static std::minstd_rand random(std::random_device{}());
    return ".skinwright-" + std::to_string(random()) + ".tmp";
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : file_(std::move(other.file_)), descriptor_(std::exchange(other.descriptor_, -1)),
      memory_(std::exchange(other.memory_, nullptr)), position_(other.position_), failed_(other.failed_)
{
}

BinaryFile::~BinaryFile()
{
    CloseDescriptor();
}

void BinaryFile::CloseDescriptor()
{
#ifndef _WIN32
    if (descriptor_ >= 0)
        ::close(descriptor_);
#endif
    descriptor_ = -1;
}

int BinaryFile::Descriptor() const
{
    if (file_)
        return fileno(file_.get());
    return descriptor_;
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    CloseDescriptor();
    file_ = std::move(other.file_);
    descriptor_ = std::exchange(other.descriptor_, -1);
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
    for (int attempt = 0; attempt < kTemporaryFileAttempts; ++attempt) {
        const std::filesystem::path candidate = folder / TemporaryFileName();
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

std::int64_t BinaryFile::Size() const
{
    if (memory_)
        return static_cast<std::int64_t>(memory_->size());
#ifndef _WIN32
    if (descriptor_ >= 0) {
        struct stat facts {};
        return ::fstat(descriptor_, &facts) == 0 ? static_cast<std::int64_t>(facts.st_size) : -1;
    }
#endif
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
#ifndef _WIN32
    if (descriptor_ >= 0)
        return ::lseek(descriptor_, static_cast<off_t>(position), SEEK_SET) >= 0;
#endif
    return SeekTo(file_.get(), position, SEEK_SET);
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    if (file_)
        return std::fread(buffer, 1, count, file_.get());
    if (descriptor_ >= 0) {
        std::size_t done = 0;
        while (done < count) {
            const std::size_t read = ReadOnce(static_cast<char*>(buffer) + done, count - done);
            if (read == 0)
                break;
            done += read;
        }
        return done;
    }
    const std::size_t available = position_ < memory_->size() ? memory_->size() - position_ : 0;
    const std::size_t read = std::min(count, available);
    if (read != 0)
        std::memcpy(buffer, memory_->data() + position_, read);
    position_ += read;
    return read;
}

std::size_t BinaryFile::ReadAt(std::int64_t position, void* buffer, std::size_t count)
{
#ifndef _WIN32
    if (!memory_ && position >= 0) {
        auto* bytes = static_cast<char*>(buffer);
        std::size_t done = 0;
        while (done < count) {
            const ssize_t read = ::pread(Descriptor(), bytes + done, count - done,
                static_cast<off_t>(position) + static_cast<off_t>(done));
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                break;
            done += static_cast<std::size_t>(read);
        }
        return done;
    }
#endif
    return Seek(position) ? Read(buffer, count) : 0;
}

std::size_t BinaryFile::ReadOnce(void* buffer, std::size_t count)
{
    if (memory_)
        return Read(buffer, count);
#ifdef _WIN32
    const int read = _read(_fileno(file_.get()), buffer, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
#else
    ssize_t read = 0;
    do
        read = ::read(Descriptor(), buffer, count);
    while (read < 0 && errno == EINTR);
#endif
    return read < 0 ? 0 : static_cast<std::size_t>(read);
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
    } else if (file_) {
        failed_ = failed_ || std::fwrite(data, 1, count, file_.get()) != count;
    }
#ifndef _WIN32
    else {
        failed_ = failed_ || !WriteAll(descriptor_, static_cast<const char*>(data), count);
    }
#endif
    return !failed_;
}

bool BinaryFile::Close()
{
    if (memory_) {
        memory_ = nullptr;
        return !failed_;
    }
#ifndef _WIN32
    if (descriptor_ >= 0)
        return ::close(std::exchange(descriptor_, -1)) == 0 && !failed_;
#endif
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed && !failed_;
}

bool BinaryFile::CloseDurably()
{
#ifndef _WIN32
    if (descriptor_ >= 0) {
        const bool synced = fsync(descriptor_) == 0;
        return Close() && synced;
    }
#endif
    if (!file_)
        return Close();
    const bool synced = std::fflush(file_.get()) == 0 && SyncToDisk(file_.get());
    return Close() && synced;
}

}  // namespace skinwright
