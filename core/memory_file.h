// Bytes in memory read and written as a file, so that whatever reads or
// writes a file can be run on a buffer by the same code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace skinwright {

class MemoryFile {
public:
    // Open for reading and writing at position 0; writes overwrite the
    // bytes or make them longer. They must outlive the file.
    explicit MemoryFile(std::string& bytes) : bytes_(&bytes) {}

    bool IsOpen() const { return bytes_ != nullptr; }
    void DisableBuffering() {}
    std::int64_t Size() const { return static_cast<std::int64_t>(bytes_->size()); }
    bool Seek(std::int64_t position);
    std::size_t Read(void* buffer, std::size_t count);
    std::size_t ReadAt(std::int64_t position, void* buffer, std::size_t count);
    std::size_t ReadOnce(void* buffer, std::size_t count) { return Read(buffer, count); }
    bool Write(const void* data, std::size_t count);
    bool Close();
    bool CloseDurably() { return Close(); }

private:
    std::string* bytes_;
    std::size_t position_ = 0;
};

}  // namespace skinwright
