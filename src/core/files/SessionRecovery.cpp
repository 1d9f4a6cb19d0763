#include "core/files/SessionRecovery.h"

#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/Prompter.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int RecoveryInterval = 30 * 1000;
// The first copy after the session became modified comes soon, so that a
// kill or a crash moments after the first edit loses nothing.
constexpr int FirstCopyDelay = 3 * 1000;
} // namespace

SessionRecovery::SessionRecovery(SessionDocument &document, QObject *parent)
    : QObject(parent), mDocument(document), mInterval(RecoveryInterval)
{
    mTimer.setSingleShot(true);
    connect(&mTimer, &QTimer::timeout, this, &SessionRecovery::write);
    connect(&document, &SessionDocument::historyChanged, this, &SessionRecovery::schedule);
    connect(&document, &SessionDocument::modifiedChanged, this, [this](bool modified) {
        if (modified) {
            schedule();
        } else {
            mTimer.stop();
            mCopy.remove();
            emit failureChanged(QString());
        }
    });
    // The copy tells what the session's file held when the session was
    // read or saved there, so that a restore can see whether it changed.
    const auto takeFingerprint = [this](const QString &path) { mSessionFile = FileFingerprint::of(path); };
    connect(&document, &SessionDocument::saved, this, takeFingerprint);
    connect(&document, &SessionDocument::fileNameChanged, this, takeFingerprint);
}

void SessionRecovery::setFolder(const QString &folder)
{
    mCopy = RecoveryCopy(folder);
}

void SessionRecovery::end()
{
    mTimer.stop();
    mCopy.remove();
}

// At most one copy per interval, written from the timer, never from a key.
void SessionRecovery::schedule()
{
    if (mDocument.isModified() && !mTimer.isActive())
        mTimer.start(mCopy.exists() ? mInterval : std::min(mInterval, FirstCopyDelay));
}

void SessionRecovery::write()
{
    if (!mDocument.isModified())
        return;
    const Session &session = mDocument.session();
    const std::optional<QString> failure = mCopy.write({session.fileName, mSessionFile, sessionFileBytes(session)});
    emit failureChanged(failure.value_or(QString()));
    if (failure)
        mTimer.start(mInterval);
}

// Newest first, as the last session worked on is the likeliest wanted. A
// declined copy is removed; those not asked about stay for the next start.
bool SessionRecovery::offerLeftBehind(const SessionContext &context)
{
    std::vector<RecoveryCopy> offered; // locked until the end, so none comes twice
    while (std::optional<RecoveryCopy> copy = RecoveryCopy::takeOverLeftBehind(mCopy.folder())) {
        offered.push_back(std::move(*copy));
        if (restore(offered.back(), context)) {
            mCopy = std::move(offered.back());
            return true;
        }
    }
    return false;
}

bool SessionRecovery::restore(RecoveryCopy &copy, const SessionContext &context)
{
    QString asideName;
    const std::optional<RecoveredSession> recovered = copy.read(&asideName);
    if (!recovered) {
        if (!asideName.isEmpty())
            context.prompter.error(
                tr("The unsaved changes of the last session could not be read; they were kept in %1.").arg(asideName));
        return false;
    }
    SessionFileContent content = parseSessionFile(recovered->bytes, mDocument.session().kind, context.prompter);
    if (!context.prompter.confirmYesNo(
            tr("Mirandel closed without saving session %1. Restore the unsaved changes?").arg(content.name))) {
        copy.remove();
        return false;
    }
    showSessionFileContent(context, std::move(content), recovered->path);
    mDocument.markModified();
    mSessionFile = recovered->file;
    if (!recovered->path.isEmpty() && FileFingerprint::of(recovered->path) != recovered->file) {
        mDocument.guardFile(recovered->path,
                            u"The file %1 was changed or removed since the unsaved changes were kept. Save the "
                            "restored session in its place?"_s.arg(recovered->path));
    }
    return true;
}
