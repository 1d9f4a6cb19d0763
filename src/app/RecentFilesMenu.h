#pragma once

#include "files/RecentFiles.h"

#include <QMenu>

class Settings;

// File > Recent Files: the sessions last opened or saved, kept in the
// settings file, with a command to clear the list. Disabled while empty.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT
public:
    RecentFilesMenu(Settings &settings, QWidget *parent = nullptr);

    void addFile(const QString &path);
    void removeFile(const QString &path);
    const RecentFiles &files() const { return mFiles; }

signals:
    void fileChosen(const QString &path);

private:
    void store();
    void rebuild();

    Settings &mSettings;
    RecentFiles mFiles;
};
