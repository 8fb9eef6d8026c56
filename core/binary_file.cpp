#include "binary_file.h"

#include <system_error>

namespace skinwright {

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

BinaryFile BinaryFile::OpenForReading(const std::filesystem::path& path)
{
    if (!IsRegularFile(path))
        return {};
    return BinaryFile(std::fopen(path.c_str(), "rb"));
}

BinaryFile BinaryFile::CreateForWriting(const std::filesystem::path& path)
{
    return BinaryFile(std::fopen(path.c_str(), "wb"));
}

BinaryFile BinaryFile::CreateNew(const std::filesystem::path& path)
{
    return BinaryFile(std::fopen(path.c_str(), "wbx"));
}

void BinaryFile::DisableBuffering()
{
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
}

void BinaryFile::SetBufferSize(std::size_t size)
{
    std::setvbuf(file_.get(), nullptr, _IOFBF, size);
}

std::int64_t BinaryFile::Size() const
{
    std::FILE* file = file_.get();
    const long position = std::ftell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    std::fseek(file, position, SEEK_SET);
    return size;
}

bool BinaryFile::Seek(std::int64_t position)
{
    return position >= 0 && std::fseek(file_.get(), static_cast<long>(position), SEEK_SET) == 0;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    return std::fread(buffer, 1, count, file_.get());
}

bool BinaryFile::Write(const void* data, std::size_t count)
{
    if (count != 0 && std::fwrite(data, 1, count, file_.get()) != count)
        failed_ = true;
    return !failed_;
}

bool BinaryFile::Close()
{
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return flushed && closed && !failed_;
}

}  // namespace skinwright
