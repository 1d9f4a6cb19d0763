#pragma once

#include <QStringList>

// The sessions last opened or saved, newest first, as File > Recent Files
// lists them. A path is listed once; beyond eight the oldest drops out.
class RecentFiles
{
public:
    static constexpr qsizetype MaxCount = 8;

    explicit RecentFiles(const QStringList &paths = {});

    const QStringList &paths() const { return mPaths; }
    bool isEmpty() const { return mPaths.isEmpty(); }

    // Puts path first, moving it there when it is listed already.
    void add(const QString &path);
    void remove(const QString &path);
    void clear() { mPaths.clear(); }

    // "&1 name.LSS": the number as access key and the file's name, or its
    // whole path where another listed file has the same name.
    QString menuText(qsizetype index) const;

private:
    QStringList mPaths;
};
