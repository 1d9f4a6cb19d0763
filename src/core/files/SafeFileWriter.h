#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Why a file could not be written: it could not be created (or opened), no
// temporary file could be made beside an existing file (which is then left
// alone: overwritten in place it could be torn by a crash), or not every
// byte reached it. The reason is the system's.
struct FileWriteFailure
{
    enum Stage { Create, NoTemporaryFile, Write };
    Stage stage = Create;
    QString reason;
    QString folder; // NoTemporaryFile: where the temporary file was wanted
};

// Writes bytes to path so that an existing file is only ever replaced by a
// complete new one: through a temporary file beside it, every write checked
// before the rename. A link is followed. Character devices are written,
// never replaced; anything else that is no regular file is refused. An
// existing file keeps its permissions.
std::optional<FileWriteFailure> writeFileSafely(const QString &path, QByteArrayView bytes);
