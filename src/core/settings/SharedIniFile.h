#pragma once

#include "core/settings/IniFile.h"

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <functional>

// An INI file that every running instance of the program reads and
// changes: read once and kept in memory, read again when someone else
// changed it (its time or size). A change is read-merge-write under a lock
// beside the file, so that what another instance stores at the same moment
// is kept. The file and a folder made for it are for the user alone.
class SharedIniFile
{
    Q_DECLARE_TR_FUNCTIONS(SharedIniFile)
public:
    explicit SharedIniFile(const QString &path);

    const QString &path() const { return mPath; }

    // The values, read again when the file changed since they were read.
    const IniFile &ini();

    // Applies edit to the file as it is now and writes the file when a value
    // changed. False when the file could not be written, or could not be
    // read whole: a write never drops what it could not see.
    bool change(const std::function<void(IniFile &)> &edit);
    // Why the last change failed: the file and the system's reason.
    const QString &lastError() const { return mError; }

private:
    // What tells a file changed by someone else: its time and size.
    struct Stamp
    {
        bool exists = false;
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;

        static Stamp of(const QString &path);
        bool operator==(const Stamp &other) const;
    };

    bool write(const QByteArray &bytes);
    void read(const Stamp &stamp);
    bool fail(const QString &reason);

    const QString mPath;
    bool mRead = false;
    Stamp mStamp;
    IniFile mIni;
    bool mWritable = false;
    QString mUnreadable; // why the file could not be read whole
    QString mError;
};
