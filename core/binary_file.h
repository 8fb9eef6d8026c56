// Byte-stream files for the packet core: reads that know the file's size,
// writes and closes whose failures are reported. The same calls read and
// write bytes in memory, so that whatever reads or writes a file can be run
// on a buffer too, by the same code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <variant>

#include "descriptor_file.h"
#include "memory_file.h"
#include "stream_file.h"

namespace skinwright {

// A file is a stream of the C library, or (for the files of an OpenFolder,
// read or written in large pieces) a plain descriptor of the system, or bytes
// in memory: each a type of its own, behind the same calls.
class BinaryFile {
public:
    BinaryFile() = default;

    // Opens an existing regular file for reading. Folders, FIFOs and devices
    // are refused before they are opened, so opening never blocks.
    static BinaryFile OpenForReading(const std::filesystem::path& path);
    // Creates a new file of a fresh, short name in the folder, for writing a
    // file that is renamed over its target when complete; `created` names it.
    static BinaryFile CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& created);
    // The caller's bytes as a file open for reading and writing at position
    // 0; writes overwrite them or make them longer. They must outlive it.
    static BinaryFile InMemory(std::string& bytes);

    bool IsOpen() const;
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
    // No file: every call fails.
    struct ClosedFile {
        bool IsOpen() const { return false; }
        void DisableBuffering() {}
        std::int64_t Size() const { return -1; }
        bool Seek(std::int64_t) { return false; }
        std::size_t Read(void*, std::size_t) { return 0; }
        std::size_t ReadAt(std::int64_t, void*, std::size_t) { return 0; }
        std::size_t ReadOnce(void*, std::size_t) { return 0; }
        bool Write(const void*, std::size_t) { return false; }
        bool Close() { return false; }
        bool CloseDurably() { return false; }
    };
    using Kinds = std::variant<ClosedFile, StreamFile, MemoryFile
#ifndef _WIN32
                               , DescriptorFile
#endif
                               >;
    template <class Kind>
    explicit BinaryFile(Kind file) : file_(std::move(file))
    {
    }

    Kinds file_;
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
