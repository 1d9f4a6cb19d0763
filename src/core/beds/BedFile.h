#pragma once

#include "core/beds/Bed.h"
#include "core/files/SafeFileWriter.h"

#include <QByteArray>
#include <optional>

// A session's beds live in a small file beside its session file, named
// after it with ".beds" added ("Relax.LSS.beds"), so that the session file
// stays exactly what every program that reads it expects. The file is JSON:
// each sound file's path relative to the session's folder, and absolute as
// a second chance when the session moved without it.
QString bedFilePath(const QString &sessionPath);

QByteArray bedFileBytes(const BedList &beds, const QString &sessionPath);

struct BedFileContent
{
    BedList beds; // paths absolute
    QString error; // why the file beside the session could not be read; empty when it could or there is none
};
// No beds and no error when there is no such file.
BedFileContent readBedFile(const QString &sessionPath);
BedFileContent parseBedFile(const QByteArray &bytes, const QString &sessionPath);

// Writes the beds beside the session through the safe writer. Without beds
// an earlier file of beds is removed, unless it could not be read: that
// one may be a newer program's, or damaged and worth rescuing.
std::optional<FileWriteFailure> writeBedFile(const BedList &beds, const QString &sessionPath);
