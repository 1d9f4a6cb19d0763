#include "app/RecentFilesMenu.h"

#include "core/settings/Settings.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

RecentFilesMenu::RecentFilesMenu(Settings &settings, QWidget *parent)
    : QMenu(tr("&Recent Files"), parent)
    , mSettings(settings)
{
    setToolTipsVisible(true);
    menuAction()->setEnabled(false);
}

void RecentFilesMenu::ensureLoaded()
{
    if (mLoaded)
        return;
    mLoaded = true;
    mFiles = RecentFiles(mSettings.recentFiles());
    rebuild();
}

const RecentFiles &RecentFilesMenu::files()
{
    ensureLoaded();
    return mFiles;
}

void RecentFilesMenu::addFile(const QString &path)
{
    ensureLoaded();
    mFiles.add(path);
    stored(mSettings.addRecentFile(path));
}

void RecentFilesMenu::removeFile(const QString &path)
{
    ensureLoaded();
    mFiles.remove(path);
    stored(mSettings.removeRecentFile(path));
}

void RecentFilesMenu::stored(bool written)
{
    // The file's list holds what other instances added too. The list is a
    // convenience: when the settings cannot be written it still serves this
    // run, and the next start shows the last one stored.
    if (written)
        mFiles = RecentFiles(mSettings.recentFiles());
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    clear();
    for (qsizetype i = 0; i < mFiles.paths().size(); ++i) {
        const QString path = mFiles.paths().at(i);
        QAction *action = addAction(mFiles.menuText(i));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
    }
    addSeparator();
    QAction *clearList = addAction(tr("&Clear List"));
    connect(clearList, &QAction::triggered, this, [this] {
        mFiles.clear();
        mSettings.setRecentFiles({});
        rebuild();
    });
    menuAction()->setEnabled(!mFiles.isEmpty());
}
