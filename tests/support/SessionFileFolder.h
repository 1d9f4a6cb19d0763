#pragma once

#include <QString>
#include <QTemporaryDir>

struct Session;

// A temporary folder for the session files a program reads and writes.
class SessionFileFolder
{
public:
    // Writes the session as a new .LSS file in the folder; gives its path.
    QString write(const Session &session);
    QString filePath(const QString &name) const { return mDir.filePath(name); }

private:
    QTemporaryDir mDir;
    int mFiles = 0;
};
