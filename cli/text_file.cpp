#include "text_file.h"

#include "core/binary_file.h"

namespace skinwright::cli {

FileText ReadWholeFile(const std::filesystem::path& path, std::int64_t maxSize)
{
    std::error_code error;
    if (!IsRegularFile(path))
        return {Failure(std::filesystem::exists(path, error) ? "not a regular file" : "no such file"), {}};
    BinaryFile file = BinaryFile::OpenForReading(path);
    if (!file)
        return {Failure("cannot open file"), {}};
    const std::int64_t size = file.Size();
    if (size < 0)
        return {Failure("cannot read file"), {}};
    if (size > maxSize)
        return {Failure("larger than " + std::to_string(maxSize) + " bytes"), {}};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        return {Failure("cannot read file"), {}};
    return {{}, std::move(bytes)};
}

}  // namespace skinwright::cli
