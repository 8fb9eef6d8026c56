#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "behaviour/language.h"
#include "behaviour/translation.h"

namespace skinwright::platform {

void SpeakUserLanguage(QCoreApplication& application)
{
    behaviour::UseUserLanguage();
    const std::string_view language = behaviour::LanguageInUse();
    if (language.empty())
        return;
    const QLocale locale(QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size())));
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace skinwright::platform
