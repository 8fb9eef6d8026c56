#include "stream_file.h"

#include <algorithm>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>

#include "descriptor_file.h"
#endif

namespace skinwright {
namespace {

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

void StreamFile::DisableBuffering()
{
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
}

std::int64_t StreamFile::Size() const
{
    std::FILE* file = file_.get();
    const std::int64_t position = Tell(file);
    if (position < 0 || !SeekTo(file, 0, SEEK_END))
        return -1;
    const std::int64_t size = Tell(file);
    SeekTo(file, position, SEEK_SET);
    return size;
}

bool StreamFile::Seek(std::int64_t position)
{
    return position >= 0 && SeekTo(file_.get(), position, SEEK_SET);
}

std::size_t StreamFile::Read(void* buffer, std::size_t count)
{
    return std::fread(buffer, 1, count, file_.get());
}

// The stream's own position stays where it was: the system reads at the
// position given, where it can.
std::size_t StreamFile::ReadAt(std::int64_t position, void* buffer, std::size_t count)
{
#ifdef _WIN32
    return Seek(position) ? Read(buffer, count) : 0;
#else
    return ReadDescriptorAt(fileno(file_.get()), position, buffer, count);
#endif
}

std::size_t StreamFile::ReadOnce(void* buffer, std::size_t count)
{
#ifdef _WIN32
    const int read = _read(_fileno(file_.get()), buffer, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
    return read < 0 ? 0 : static_cast<std::size_t>(read);
#else
    return ReadDescriptorOnce(fileno(file_.get()), buffer, count);
#endif
}

bool StreamFile::Write(const void* data, std::size_t count)
{
    failed_ = failed_ || std::fwrite(data, 1, count, file_.get()) != count;
    return !failed_;
}

bool StreamFile::Close()
{
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed && !failed_;
}

bool StreamFile::CloseDurably()
{
    if (!file_)
        return false;
    const bool synced = std::fflush(file_.get()) == 0 && SyncToDisk(file_.get());
    return Close() && synced;
}

}  // namespace skinwright
