#pragma once

#include <QByteArray>
#include <QString>

// What a file held at one moment, enough to tell later whether someone
// changed it: its size, modification time and a SHA-256 of its bytes.
struct FileFingerprint
{
    bool exists = false; // a regular file that could be read
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since 1970, UTC
    QByteArray sha256;

    // Reads the file; anything but a readable regular file gives none.
    static FileFingerprint of(const QString &path);

    bool operator==(const FileFingerprint &other) const
    {
        return exists == other.exists && size == other.size && modified == other.modified && sha256 == other.sha256;
    }
    bool operator!=(const FileFingerprint &other) const { return !(*this == other); }
};
