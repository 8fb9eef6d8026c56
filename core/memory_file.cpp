#include "memory_file.h"

#include <algorithm>
#include <cstring>

namespace skinwright {

bool MemoryFile::Seek(std::int64_t position)
{
    if (position < 0)
        return false;
    position_ = static_cast<std::size_t>(position);
    return true;
}

std::size_t MemoryFile::Read(void* buffer, std::size_t count)
{
    const std::size_t available = position_ < bytes_->size() ? bytes_->size() - position_ : 0;
    const std::size_t read = std::min(count, available);
    if (read != 0)
        std::memcpy(buffer, bytes_->data() + position_, read);
    position_ += read;
    return read;
}

std::size_t MemoryFile::ReadAt(std::int64_t position, void* buffer, std::size_t count)
{
    return Seek(position) ? Read(buffer, count) : 0;
}

// Like a file written past its end, a gap reads as zeros.
bool MemoryFile::Write(const void* data, std::size_t count)
{
    if (count == 0)
        return true;
    if (bytes_->size() < position_ + count)
        bytes_->resize(position_ + count);
    std::memcpy(bytes_->data() + position_, data, count);
    position_ += count;
    return true;
}

bool MemoryFile::Close()
{
    const bool wasOpen = bytes_ != nullptr;
    bytes_ = nullptr;
    return wasOpen;
}

}  // namespace skinwright
