#pragma once

#include <QString>

// Which file a path leads to, links followed: its device and inode. Two
// paths that differ (a link, another spelling) may still name one file.
struct FileIdentity
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;

    static FileIdentity of(const QString &path);

    // True only for one existing file.
    bool sameFileAs(const FileIdentity &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};
