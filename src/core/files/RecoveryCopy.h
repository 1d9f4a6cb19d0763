#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The unsaved state of a session, kept in the user's data folder so that a
// crash never costs the session: the session file's bytes and the path they
// belong to (empty for a session never saved).
struct RecoveredSession
{
    QString path;
    QByteArray bytes;
};

class RecoveryCopy
{
public:
    // folder: where the copy lives; the user's data folder when empty.
    explicit RecoveryCopy(const QString &folder = QString());

    QString filePath() const { return mFilePath; }
    bool exists() const;
    // Replaces the copy atomically; false when it could not be written.
    bool write(const QString &sessionPath, const QByteArray &sessionBytes) const;
    void remove() const;
    // The copy a previous run left. A copy that cannot be read is set aside
    // under a new name (never deleted) and gives nothing; asideName then
    // says where it went.
    std::optional<RecoveredSession> read(QString *asideName = nullptr) const;

private:
    QString mFilePath;
};
