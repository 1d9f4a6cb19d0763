#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Why a file could not be written: it could not be created (or opened), or
// not every byte reached it. The reason is the system's.
struct FileWriteFailure
{
    enum Stage { Create, Write };
    Stage stage = Create;
    QString reason;
};

// Writes bytes to path so that an existing file is only ever replaced by a
// complete new one: through a temporary file beside it, every write checked
// before the rename. Where no temporary file can be made beside an existing
// writable file, the file is written in place from the complete bytes after
// its room has been reserved. Devices and pipes are written, never replaced.
// An existing file keeps its permissions.
std::optional<FileWriteFailure> writeFileSafely(const QString &path, QByteArrayView bytes);
