#include "private_profile.h"

#include <QFile>

#include "core/codepage.h"
#include "core/replacing_file.h"
#include "paths.h"
#include "profile_text.h"

namespace skinwright::platform {
namespace {

std::optional<QByteArray> ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::string_view Cut(std::string_view value, std::size_t limit)
{
    if (limit == 0)
        return {};
    return value.substr(0, Utf8PrefixLength(value, limit - 1));
}

}  // namespace

std::optional<std::string> FindProfileString(const QString& path, std::string_view section, std::string_view key)
{
    const auto contents = ReadWhole(path);
    if (!contents)
        return std::nullopt;
    return FindProfileValue(View(*contents), section, key);
}

std::string ReadProfileString(const QString& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t limit)
{
    const auto found = FindProfileString(path, section, key);
    return std::string(Cut(found ? std::string_view(*found) : defaultValue, limit));
}

bool WriteProfileString(const QString& path, std::string_view section, std::string_view key, std::string_view value)
{
    // A file that exists but cannot be read is not replaced: its other keys would be lost.
    const auto existing = QFile::exists(path) ? ReadWhole(path) : QByteArray();
    if (!existing)
        return false;
    const auto updated = WithProfileValue(View(*existing), section, key, value);
    if (!updated)
        return false;
    return ReplaceFileContents(ToFileSystemPath(path), *updated, Durability::Synced);
}

}  // namespace skinwright::platform
