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

// A file is a stream of the C library, or (for the files of an OpenFolder,
// read or written in large pieces) a plain descriptor of the system, or bytes
// in memory.
class BinaryFile {
public:
    BinaryFile() = default;
    BinaryFile(BinaryFile&& other) noexcept;
    // Closes the file held so far.
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    ~BinaryFile();

    // Opens an existing regular file for reading. Folders, FIFOs and devices
    // are refused before they are opened, so opening never blocks.
    static BinaryFile OpenForReading(const std::filesystem::path& path);
    // Creates a new file of a fresh, short name in the folder, for writing a
    // file that is renamed over its target when complete; `created` names it.
    static BinaryFile CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& created);
    // The caller's bytes as a file open for reading and writing at position
    // 0; writes overwrite them or make them longer. They must outlive it.
    static BinaryFile InMemory(std::string& bytes);

    bool IsOpen() const { return file_ != nullptr || memory_ != nullptr || descriptor_ >= 0; }
    explicit operator bool() const { return IsOpen(); }

    // Reads and writes go straight between the caller's buffer and the
    // system; for files read or written in large pieces. Set before the first.
    void DisableBuffering();

    // Size at the moment of asking, or -1.
    std::int64_t Size() const;
    bool Seek(std::int64_t position);
    // Bytes read; fewer than asked at the end of the file or on an error.
    std::size_t Read(void* buffer, std::size_t count);
    // The same from a position, which stays where it was (where the system
    // can read so).
    std::size_t ReadAt(std::int64_t position, void* buffer, std::size_t count);
    // One read of the system at most, for a regular file without buffering:
    // fewer bytes than asked mean its end (or an error), found without
    // asking again.
    std::size_t ReadOnce(void* buffer, std::size_t count);
    bool Write(const void* data, std::size_t count);
    // Flushes and closes; false when anything written was lost.
    bool Close();
    // Like Close, but the data reaches the disk first, so that a file renamed
    // over another afterwards never stands there empty after a crash.
    bool CloseDurably();

private:
    friend class OpenFolder;
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    explicit BinaryFile(std::FILE* file) : file_(file) {}
    explicit BinaryFile(int descriptor) : descriptor_(descriptor) {}
    // The file's descriptor, or -1 for bytes in memory.
    int Descriptor() const;
    void CloseDescriptor();

    std::unique_ptr<std::FILE, Closer> file_;
    int descriptor_ = -1;  // when there is no stream
    std::string* memory_ = nullptr;
    std::size_t position_ = 0;  // in memory_
    bool failed_ = false;
};

// A fresh name for a temporary file, hidden where a leading dot hides files.
std::string TemporaryFileName();
// How often a fresh name is tried before creating a temporary file fails.
inline constexpr int kTemporaryFileAttempts = 100;

// True when the path names an existing regular file (following links).
bool IsRegularFile(const std::filesystem::path& path);
// The size of the regular file at the path (following links), asked once;
// -1 when there is none.
std::int64_t RegularFileSize(const std::filesystem::path& path);

}  // namespace skinwright
