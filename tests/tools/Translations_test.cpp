// The window program in the language chosen; the command line in English
// whatever the environment says.
#include "CliProcess.h"
#include "MenuCommands.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/Translations.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/windows/GraphWindow.h"
#include "core/check/SessionCheck.h"
#include "core/session/Session.h"
#include "core/session/SessionRows.h"
#include "core/settings/UserPreferences.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// Sets the locale variables of the programs this process starts, for its lifetime.
class LocaleEnvironment
{
public:
    explicit LocaleEnvironment(const QByteArray &locale)
    {
        for (const char *name : {"LANG", "LC_ALL", "LANGUAGE"}) {
            mSaved.append({name, qgetenv(name)});
            qputenv(name, locale);
        }
    }
    ~LocaleEnvironment()
    {
        for (const auto &[name, value] : std::as_const(mSaved))
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    QList<std::pair<const char *, QByteArray>> mSaved;
};

void removeTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
} // namespace

TEST(Translations, WindowTextsFollowTheLanguageAndTheCommandLineStaysEnglish)
{
    QTemporaryDir dir;
    const QString flashing = dir.filePath(u"flashing.LSS"_s);
    writeFileBytes(flashing, ";flashing\r\n1\t1:00.0\tPFr\t18.0\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t0\t0\t\r\n");
    const CliRun english = runCli({u"check"_s, flashing});
    ASSERT_TRUE(english.out.contains(u"Light flashes at 18 Hz"_s)) << english.out;

    const struct {
        QByteArray locale;
        const char *preferencesTitle; // the program's own text
        const char *cancel;           // Qt's
        const char *noProblems;       // the core's
        const char *startFreqLabel;
    } cases[] = {
        {"C", "Preferences", "Cancel", "No problems", "Start Freq"},
        {"de_DE.UTF-8", "Einstellungen", "Abbrechen", "Keine Probleme", "Startfreq."},
        {"fr_FR.UTF-8", "Préférences", "Annuler", "Aucun problème", "Fréq. début"},
    };
    const QLocale before;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale.constData());
        const QLocale locale(QString::fromLatin1(c.locale).section(u'.', 0, 0));
        installTranslations(locale, builtProgramPath(u"translations"_s));
        // The help pages are chosen by the default locale's name.
        EXPECT_EQ(QLocale().name().left(2), locale.name().left(2));

        UserPreferences preferences(dir.filePath(u"preferences.ini"_s));
        PreferencesDialog dialog(preferences);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.preferencesTitle));
        EXPECT_EQ(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(),
                  QString::fromUtf8(c.cancel));
        EXPECT_EQ(problemSummary({}), QString::fromUtf8(c.noProblems));
        EXPECT_EQ(rowLabels(PulsedSession).at(StartFreqRow), QString::fromUtf8(c.startFreqLabel));
        removeTranslations();

        const LocaleEnvironment environment(c.locale);
        const CliRun check = runCli({u"check"_s, flashing});
        EXPECT_EQ(check.out, english.out);
        EXPECT_EQ(check.err, english.err);
    }
    QLocale::setDefault(before);
}

// A translation must keep every access key of a menu its own, as the English
// captions do.
TEST(Translations, MenusKeepTheirAccessKeysFreeInEveryLanguage)
{
    const QLocale before;
    for (const char *language : {"de_DE", "fr_FR"}) {
        SCOPED_TRACE(language);
        installTranslations(QLocale(QString::fromLatin1(language)), builtProgramPath(u"translations"_s));
        {
            MirandelWindows windows{QStringList()};
            EXPECT_NE(windows.mainWindow->viewMenu()->title(), u"&View"_s);
            EXPECT_EQ(clashes(*windows.mainWindow), QStringList());
            EXPECT_EQ(clashes(*windows.graphWindow), QStringList());
        }
        removeTranslations();
    }
    QLocale::setDefault(before);
}
