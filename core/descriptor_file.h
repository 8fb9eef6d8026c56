// A file read or written through a plain descriptor of the system, without
// the C library's buffers: the files of an OpenFolder, read or written in
// large pieces. Not on Windows, whose files are all streams.
#pragma once

#ifndef _WIN32
#include <cstddef>
#include <cstdint>
#include <utility>

namespace skinwright {

// Reads of a descriptor, whatever holds it: all of `count` bytes from a
// position, as far as the file reaches, without moving the file's offset;
// and one read of the system at the offset.
std::size_t ReadDescriptorAt(int descriptor, std::int64_t position, void* buffer, std::size_t count);
std::size_t ReadDescriptorOnce(int descriptor, void* buffer, std::size_t count);

class DescriptorFile {
public:
    explicit DescriptorFile(int descriptor) : descriptor_(descriptor) {}
    DescriptorFile(DescriptorFile&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)), failed_(other.failed_)
    {
    }
    DescriptorFile& operator=(DescriptorFile&& other) noexcept;
    ~DescriptorFile();

    bool IsOpen() const { return descriptor_ >= 0; }
    void DisableBuffering() {}
    std::int64_t Size() const;
    bool Seek(std::int64_t position);
    std::size_t Read(void* buffer, std::size_t count);
    std::size_t ReadAt(std::int64_t position, void* buffer, std::size_t count);
    std::size_t ReadOnce(void* buffer, std::size_t count);
    bool Write(const void* data, std::size_t count);
    bool Close();
    bool CloseDurably();

private:
    int descriptor_ = -1;
    bool failed_ = false;
};

}  // namespace skinwright
#endif
