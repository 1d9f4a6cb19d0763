#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class RecentFiles;
class SharedIniFile;

// MIRANDEL.INI, the program's settings file: the COM port in force (key
// "Port" of section "Mirandel", 0 = none), section "Ports", which can name
// the system device of a COM port ("COM1=/dev/ttyUSB0"), and the Recent Files
// list. The file is shared with the program's other instances
// (SharedIniFile), so a changed mapping of ports needs no restart. A change
// writes the whole file, and only when a value changes.
class Settings
{
public:
    // The file beside the program, or in the user's configuration folder
    // when the program is installed or its folder cannot be written.
    static QString defaultPath();
    static QString pathFor(const QString &programFolder, const QString &userFolder);

    // The program's settings, in the file at defaultPath(): every Settings
    // made so shares them.
    Settings();
    // The file at path, apart from the program's settings; copies share it.
    explicit Settings(const QString &path);

    const QString &path() const;
    // Why the last change could not be stored: the file and the reason.
    const QString &lastWriteError() const;

    // A missing or non-integer value reads as 0.
    int port() const;
    // True when the file holds the port as setPort() writes it, so that
    // there is nothing to write back.
    bool holdsPort() const;
    // True when the file holds the port afterwards.
    bool setPort(int port);

    // The device section "Ports" names for COM port comNumber; empty when none.
    QString portDevice(int comNumber) const;
    // Names device for COM port comNumber; an empty device drops the entry,
    // so that the port opens the system's own again. True when the file
    // holds the mapping afterwards.
    bool setPortDevice(int comNumber, const QString &device);

    // Newest first; true when the file holds the list afterwards.
    QStringList recentFiles() const;
    bool setRecentFiles(const QStringList &paths);
    // Put path first in the list, or drop it, as the file holds the list
    // now: what another program added meanwhile stays. True when the file
    // holds the list afterwards.
    bool addRecentFile(const QString &path);
    bool removeRecentFile(const QString &path);

private:
    bool editRecentFiles(const std::function<void(RecentFiles &)> &edit);

    std::shared_ptr<SharedIniFile> mFile;
};
