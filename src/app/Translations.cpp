#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

QString translationsFolder(const QString &programFolder)
{
    const QString beside = QDir(programFolder).filePath(u"translations"_s);
    const QString installed = installedDataFolder(programFolder);
    if (QFileInfo(beside).isDir() || installed.isEmpty())
        return beside;
    return installed + u"/translations"_s;
}

QLocale chosenLocale(const QString &language)
{
    return language.isEmpty() ? QLocale::system() : QLocale(language);
}

void installTranslations(const QLocale &locale, const QString &folder)
{
    QLocale::setDefault(locale);
    // The C locale keeps the texts as written, whatever LANGUAGE lists.
    if (locale.language() == QLocale::C)
        return;
    const std::pair<QString, QString> catalogs[] = {
        {u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {u"mirandel"_s, folder},
    };
    for (const auto &[name, where] : catalogs) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, u"_"_s, where))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
