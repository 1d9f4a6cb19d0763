#pragma once

#include "core/files/FileFingerprint.h"
#include "core/files/RecoveryCopy.h"

#include <QObject>
#include <QTimer>

class SessionDocument;
struct SessionContext;

// Keeps a document's unsaved changes safe: while there are some, a recovery
// copy written at most once an interval, removed when there are none; at
// start, the copies that instances ending without saving left behind.
class SessionRecovery : public QObject
{
    Q_OBJECT
public:
    explicit SessionRecovery(SessionDocument &document, QObject *parent = nullptr);

    // How long unsaved changes wait before their copy is written.
    void setInterval(int milliseconds) { mInterval = milliseconds; }
    // Where copies are kept and looked for: the user's data folder unless set.
    void setFolder(const QString &folder);
    // Offers the copies left behind, newest first, one after another until
    // one is restored into the context's document; true then.
    bool offerLeftBehind(const SessionContext &context);
    // The session ends as it is: its copy goes.
    void end();
    // Writes the copy now when there are unsaved changes.
    void write();

signals:
    // Why unsaved changes are not safe; empty once they are again.
    void failureChanged(const QString &reason);

private:
    void schedule();
    bool restore(RecoveryCopy &copy, const SessionContext &context);

    SessionDocument &mDocument;
    RecoveryCopy mCopy;
    FileFingerprint mSessionFile; // the session's file when last read or saved
    QTimer mTimer;
    int mInterval;
};
