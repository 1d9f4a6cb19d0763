// Every menu path a help page names ("File > Save As") leads to a command
// in the menus of the language the page is written in.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/Translations.h"
#include "core/help/HelpTopics.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A menu's or command's text as a page writes it: no access key, shortcut or ellipsis.
QString plain(QString text)
{
    text = text.section(u'\t', 0, 0);
    text.remove(QRegularExpression(u"&(?!&)"_s));
    text.replace(u"&&"_s, u"&"_s);
    text.remove(u'\u2026');
    return text.trimmed();
}

void addPaths(const QString &path, const QList<QAction *> &actions, QStringList &paths)
{
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString here = path + u" > "_s + plain(action->text());
        paths << here;
        if (action->menu())
            addPaths(here, action->menu()->actions(), paths);
    }
}

// The menu paths of every window with a menu bar.
QStringList menuPaths()
{
    MirandelWindows windows{QStringList()};
    QStringList paths;
    for (const QMenuBar *bar : windows.mainWindow->findChildren<QMenuBar *>()) {
        for (const QAction *menu : bar->actions()) {
            if (menu->menu())
                addPaths(plain(menu->text()), menu->menu()->actions(), paths);
        }
    }
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        for (const QMenuBar *bar : window->findChildren<QMenuBar *>(Qt::FindDirectChildrenOnly)) {
            for (const QAction *menu : bar->actions()) {
                if (menu->menu())
                    addPaths(plain(menu->text()), menu->menu()->actions(), paths);
            }
        }
    }
    paths.removeDuplicates();
    return paths;
}
} // namespace

TEST(HelpMenuPaths, EveryPathAPageNamesIsInThatLanguagesMenus)
{
    const QLocale before;
    for (const char *language : {"en", "de", "fr"}) {
        SCOPED_TRACE(language);
        const QLocale locale(QString::fromLatin1(language));
        QLocale::setDefault(locale);
        QTranslator translator;
        if (QString::fromLatin1(language) != u"en"_s) {
            ASSERT_TRUE(translator.load(locale, u"mirandel"_s, u"_"_s, translationsFolder()));
            QCoreApplication::installTranslator(&translator);
        }
        const QStringList paths = menuPaths();
        QStringList tops;
        for (const QString &path : paths)
            tops << path.section(u" > "_s, 0, 0);
        tops.removeDuplicates();

        const QString folder = HelpTopics::languageFolder(HelpTopics::helpFolder(), locale);
        QStringList missing;
        int named = 0;
        for (const QFileInfo &page : QDir(folder).entryInfoList({u"*.html"_s}, QDir::Files)) {
            QFile file(page.filePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll())).toPlainText();
            // A path starts at a menu's name; its command is the longest one of that menu the text goes on with.
            static const QRegularExpression step(u"([^\\s>][^>\\n]*?) > "_s);
            for (QRegularExpressionMatchIterator it = step.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch found = it.next();
                const QString before = found.captured(1);
                const auto top = std::find_if(tops.cbegin(), tops.cend(), [&before](const QString &menu) {
                    return before == menu || before.endsWith(u' ' + menu) || before.endsWith(u'(' + menu);
                });
                const QString rest = text.mid(found.capturedEnd());
                // A capitalised word before a capitalised command that is no menu of this language is a
                // wrong path too.
                if (top == tops.cend()) {
                    const QString word = before.section(u' ', -1);
                    if (word.at(0).isUpper() && !word.contains(u'.') && !rest.isEmpty() && rest.at(0).isUpper())
                        missing << page.fileName() + u": "_s + word + u" > "_s + rest.left(30);
                    continue;
                }
                ++named;
                const bool known = std::any_of(paths.cbegin(), paths.cend(), [&](const QString &path) {
                    return path.startsWith(*top + u" > "_s) && rest.startsWith(path.section(u" > "_s, 1, 1));
                });
                if (!known)
                    missing << page.fileName() + u": "_s + *top + u" > "_s + rest.left(30);
            }
        }
        EXPECT_GT(named, 20);
        EXPECT_EQ(missing, QStringList());
        QCoreApplication::removeTranslator(&translator);
    }
    QLocale::setDefault(before);
}
