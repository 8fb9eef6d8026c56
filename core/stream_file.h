// A file read or written through a stream of the C library: every file the
// core opens by path, and on Windows every file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

namespace skinwright {

class StreamFile {
public:
    explicit StreamFile(std::FILE* file) : file_(file) {}

    bool IsOpen() const { return file_ != nullptr; }
    void DisableBuffering();
    std::int64_t Size() const;
    bool Seek(std::int64_t position);
    std::size_t Read(void* buffer, std::size_t count);
    std::size_t ReadAt(std::int64_t position, void* buffer, std::size_t count);
    std::size_t ReadOnce(void* buffer, std::size_t count);
    bool Write(const void* data, std::size_t count);
    bool Close();
    bool CloseDurably();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    bool failed_ = false;
};

}  // namespace skinwright
