#include "file_names.h"

namespace skinwright {

#ifdef _WIN32

namespace {

constexpr std::size_t kClassicPathLimit = 260;
constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// The form takes the path as it stands: no "." or ".." is resolved and "/"
// is no separator in it, so it is made absolute and normal first.
std::filesystem::path LongForm(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    std::wstring text = absolute.lexically_normal().make_preferred().native();
    if (text.size() < kClassicPathLimit || text.starts_with(kLongPrefix))
        return text;
    if (text.starts_with(L"\\\\"))
        return std::wstring(kLongUncPrefix) + text.substr(2);
    return std::wstring(kLongPrefix) + text;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view text)
{
    const std::filesystem::path path(std::u8string(text.begin(), text.end()));
    return path.native().size() < kClassicPathLimit ? path : LongForm(path);
}

std::string PathToUtf8(const std::filesystem::path& path)
{
    std::wstring_view text = path.native();
    std::wstring shown;
    if (text.starts_with(kLongUncPrefix))
        shown = L"\\\\" + std::wstring(text.substr(kLongUncPrefix.size()));
    else if (text.starts_with(kLongPrefix))
        shown = text.substr(kLongPrefix.size());
    else
        shown = text;
    const std::u8string utf8 = std::filesystem::path(shown).u8string();
    return std::string(utf8.begin(), utf8.end());
}

#else

std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::string(text));
}

std::string PathToUtf8(const std::filesystem::path& path)
{
    return path.native();
}

#endif

}  // namespace skinwright
