#pragma once

#include "core/files/RecentFiles.h"

#include <QMenu>

class Settings;

// File > Recent Files: the sessions last opened or saved, kept in the
// settings file, with a command to clear the list. Disabled while empty.
// The list is read when first needed (at the latest when the menu holding it
// is about to show), not at start.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT
public:
    RecentFilesMenu(Settings &settings, QWidget *parent = nullptr);

    void addFile(const QString &path);
    void removeFile(const QString &path);
    const RecentFiles &files();
    // Reads the list from the settings unless it was read already.
    void ensureLoaded();

signals:
    void fileChosen(const QString &path);

private:
    void stored(bool written);
    void rebuild();

    Settings &mSettings;
    RecentFiles mFiles;
    bool mLoaded = false;
};
