#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

struct Session;

// What a run of a built command-line program left.
struct CliRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// build/bin/mirandel-cli run as a separate program, as a user runs it.
CliRun runMirandelCli(const QStringList &arguments);

// A temporary folder for the files a program reads and writes.
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
