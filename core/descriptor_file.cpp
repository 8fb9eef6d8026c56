#include "descriptor_file.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace skinwright {

std::size_t ReadDescriptorAt(int descriptor, std::int64_t position, void* buffer, std::size_t count)
{
    if (position < 0)
        return 0;
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t read = ::pread(descriptor, bytes + done, count - done,
                                     static_cast<off_t>(position) + static_cast<off_t>(done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            break;
        done += static_cast<std::size_t>(read);
    }
    return done;
}

std::size_t ReadDescriptorOnce(int descriptor, void* buffer, std::size_t count)
{
    ssize_t read = 0;
    do
        read = ::read(descriptor, buffer, count);
    while (read < 0 && errno == EINTR);
    return read < 0 ? 0 : static_cast<std::size_t>(read);
}

DescriptorFile& DescriptorFile::operator=(DescriptorFile&& other) noexcept
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    failed_ = other.failed_;
    return *this;
}

DescriptorFile::~DescriptorFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::int64_t DescriptorFile::Size() const
{
    struct stat facts {};
    return ::fstat(descriptor_, &facts) == 0 ? static_cast<std::int64_t>(facts.st_size) : -1;
}

bool DescriptorFile::Seek(std::int64_t position)
{
    return position >= 0 && ::lseek(descriptor_, static_cast<off_t>(position), SEEK_SET) >= 0;
}

std::size_t DescriptorFile::Read(void* buffer, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const std::size_t read = ReadOnce(static_cast<char*>(buffer) + done, count - done);
        if (read == 0)
            break;
        done += read;
    }
    return done;
}

std::size_t DescriptorFile::ReadAt(std::int64_t position, void* buffer, std::size_t count)
{
    return ReadDescriptorAt(descriptor_, position, buffer, count);
}

std::size_t DescriptorFile::ReadOnce(void* buffer, std::size_t count)
{
    return ReadDescriptorOnce(descriptor_, buffer, count);
}

bool DescriptorFile::Write(const void* data, std::size_t count)
{
    const auto* bytes = static_cast<const char*>(data);
    while (!failed_ && count > 0) {
        const ssize_t written = ::write(descriptor_, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            failed_ = true;
            break;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return !failed_;
}

bool DescriptorFile::Close()
{
    if (descriptor_ < 0)
        return false;
    return ::close(std::exchange(descriptor_, -1)) == 0 && !failed_;
}

bool DescriptorFile::CloseDurably()
{
    if (descriptor_ < 0)
        return false;
    const bool synced = fsync(descriptor_) == 0;
    return Close() && synced;
}

}  // namespace skinwright
#endif
