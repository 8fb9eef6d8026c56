#include "file_filter.h"

namespace skinwright::platform {

QString ToQtPattern(const QString& pattern)
{
    if (pattern == QStringLiteral("*.*"))
        return QStringLiteral("*");
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += u'[' + c.toLower() + c.toUpper() + u']';
        else
            result += c;
    }
    return result;
}

QStringList ToQtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty())
            break;
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns.append(ToQtPattern(pattern.trimmed()));
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

}  // namespace skinwright::platform
