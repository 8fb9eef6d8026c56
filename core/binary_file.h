// Byte-stream files for the packet core: reads that know the file's size,
// writes and closes whose failures are reported. The same calls read and
// write bytes in memory, so that whatever reads or writes a file can be run
// on a buffer too, by the same code.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace skinwright {

class BinaryFile {
public:
    BinaryFile() = default;
    BinaryFile(BinaryFile&& other) noexcept;
    // Closes the file held so far before its buffer goes.
    BinaryFile& operator=(BinaryFile&& other) noexcept;

    // Opens an existing regular file for reading. Folders, FIFOs and devices
    // are refused before they are opened, so opening never blocks.
    static BinaryFile OpenForReading(const std::filesystem::path& path);
    // Creates a new file of a fresh, short name in the folder, for writing a
    // file that is renamed over its target when complete; `created` names it.
    static BinaryFile CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& created);
    // The caller's bytes as a file open for reading and writing at position
    // 0; writes overwrite them or make them longer. They must outlive it.
    static BinaryFile InMemory(std::string& bytes);

    bool IsOpen() const { return file_ != nullptr || memory_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }

    // Reads go straight into the caller's buffer; for files read in large pieces.
    void DisableBuffering();
    // The stream's buffer for writes in small pieces; set before the first write.
    void SetBufferSize(std::size_t size);

    // Size at the moment of asking, or -1.
    std::int64_t Size() const;
    bool Seek(std::int64_t position);
    // Bytes read; fewer than asked at the end of the file or on an error.
    std::size_t Read(void* buffer, std::size_t count);
    bool Write(const void* data, std::size_t count);
    // Flushes and closes; false when anything written was lost.
    bool Close();
    // Like Close, but the data reaches the disk first, so that a file renamed
    // over another afterwards never stands there empty after a crash.
    bool CloseDurably();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    explicit BinaryFile(std::FILE* file) : file_(file) {}

    // Declared before the file, so that it outlives the file's last flush.
    std::unique_ptr<char[]> buffer_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::string* memory_ = nullptr;
    std::size_t position_ = 0;  // in memory_
    bool failed_ = false;
};

// True when the path names an existing regular file (following links).
bool IsRegularFile(const std::filesystem::path& path);
// The size of the regular file at the path (following links), asked once;
// -1 when there is none.
std::int64_t RegularFileSize(const std::filesystem::path& path);

}  // namespace skinwright
