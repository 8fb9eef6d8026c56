#include "plain_copy.h"

#include <fcntl.h>
#include <unistd.h>

namespace skinwright::bench {
namespace {

bool Pump(int from, int to, std::vector<char>& buffer)
{
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got <= 0)
            return got == 0;
        if (::write(to, buffer.data(), static_cast<std::size_t>(got)) != got)
            return false;
    }
}

}  // namespace

bool AppendFile(const std::filesystem::path& from, int to, std::vector<char>& buffer)
{
    const int in = ::open(from.c_str(), O_RDONLY);
    if (in < 0)
        return false;
    const bool copied = Pump(in, to, buffer);
    return ::close(in) == 0 && copied;
}

bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to, std::vector<char>& buffer)
{
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0)
        return false;
    const bool copied = AppendFile(from, out, buffer);
    return ::close(out) == 0 && copied;
}

}  // namespace skinwright::bench
