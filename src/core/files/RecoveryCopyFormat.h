#pragma once

#include "core/files/FileFingerprint.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The unsaved state of a session: the session file's bytes, the path they
// belong to (empty for a session never saved) and that file as it was when
// the session was last read or saved there.
struct RecoveredSession
{
    QString path;
    FileFingerprint file;
    QByteArray bytes;

    bool operator==(const RecoveredSession &other) const
    {
        return path == other.path && file == other.file && bytes == other.bytes;
    }
};

// A recovery copy: a signature line, the path as UTF-8 after its length, the
// file's fingerprint, then the session file's bytes to the end. Nothing in a
// path can be taken for the end of a field.
QByteArray recoveryCopyBytes(const RecoveredSession &session);
// None unless bytes are a complete copy, exactly as recoveryCopyBytes writes it.
std::optional<RecoveredSession> parseRecoveryCopy(QByteArrayView bytes);
