#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Loads one translation for the locale and installs it; the application owns it.
bool installTranslator(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale& locale)
{
    if (QCoreApplication::instance() == nullptr)
        return false;
    // English is the language of the texts themselves.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return false;
    installTranslator(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installTranslator(locale, QStringLiteral("gorvin"), QStringLiteral(":/translations"));
}
