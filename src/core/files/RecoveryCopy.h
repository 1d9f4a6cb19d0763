#pragma once

#include "core/files/RecoveryCopyFormat.h"

#include <QString>
#include <memory>
#include <optional>

class QLockFile;

// The unsaved state of a session, kept in the user's data folder so that a
// crash never costs the session. Each running instance has a copy of its
// own, guarded by a lock it holds while the copy exists: no instance offers
// or removes a copy whose owner still runs.
class RecoveryCopy
{
public:
    // This instance's copy in folder (the user's data folder when empty);
    // nothing is written before the first write().
    explicit RecoveryCopy(const QString &folder = QString());
    RecoveryCopy(RecoveryCopy &&other) noexcept;
    RecoveryCopy &operator=(RecoveryCopy &&other) noexcept;
    // Gives up the lock and leaves the copy, as a crash would, for the
    // next start to offer.
    ~RecoveryCopy();

    // The newest copy in folder whose instance has ended, now locked by
    // the copy returned; none when no such copy is left.
    static std::optional<RecoveryCopy> takeOverLeftBehind(const QString &folder = QString());

    QString folder() const { return mFolder; }
    QString filePath() const { return mFilePath; }
    bool exists() const;
    // Replaces the copy atomically, readable by its owner alone, in a
    // folder made for the owner alone; the reason when it failed.
    std::optional<QString> write(const RecoveredSession &session);
    void remove();
    // A copy that cannot be read is set aside under a new name (never
    // deleted) and gives nothing; asideName then says where it went.
    std::optional<RecoveredSession> read(QString *asideName = nullptr) const;

private:
    RecoveryCopy(const QString &folder, const QString &filePath, std::unique_ptr<QLockFile> lock);
    std::optional<QString> makeFolder() const;
    std::optional<QString> lock();

    QString mFolder;
    bool mDataFolder = false; // the program's own, which it may close to others
    QString mFilePath;
    std::unique_ptr<QLockFile> mLock; // held while this object's copy exists
};
