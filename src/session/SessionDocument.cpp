#include "session/SessionDocument.h"

#include <QUndoCommand>
#include <utility>

namespace {
// The part of the session that undo restores.
struct SessionData
{
    SessionGrid cells;
    SessionKind kind = PulsedSession;
    QString name;
    QStringList descriptionLines;

    static SessionData of(const Session &session)
    {
        return {session.cells, session.kind, session.name, session.descriptionLines};
    }
    bool operator==(const SessionData &other) const
    {
        return kind == other.kind && name == other.name && descriptionLines == other.descriptionLines
            && cells == other.cells;
    }
    bool operator!=(const SessionData &other) const { return !(*this == other); }
    void swapWith(Session &session)
    {
        std::swap(cells, session.cells);
        std::swap(kind, session.kind);
        std::swap(name, session.name);
        std::swap(descriptionLines, session.descriptionLines);
    }
};
} // namespace

// One edit: holds the session's data from the other side of it, and swaps
// it with the session's at every undo and redo. Columns and strings are
// shared, so a step costs little more than a pointer per segment.
class SessionEditCommand : public QUndoCommand
{
public:
    SessionEditCommand(SessionDocument &document, SessionData before, EditStep step)
        : QUndoCommand(step.text)
        , mDocument(document)
        , mOther(std::move(before))
        , mStep(std::move(step))
    {
    }

    int id() const override { return mStep.mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // The older step's "before" stays; the session already holds the newer "after".
        const auto *next = static_cast<const SessionEditCommand *>(other);
        return next->mStep.cell == mStep.cell;
    }
    void undo() override { swap(); }
    void redo() override
    {
        // The first redo is the edit itself, already done.
        if (std::exchange(mFirstRedo, false))
            return;
        swap();
    }

private:
    void swap()
    {
        mOther.swapWith(mDocument.mSession);
        mDocument.syncModified();
        emit mDocument.restored(mStep);
    }

    SessionDocument &mDocument;
    SessionData mOther;
    EditStep mStep;
    bool mFirstRedo = true;
};

SessionDocument::SessionDocument(QObject *parent)
    : QObject(parent)
{
    connect(&mUndoStack, &QUndoStack::cleanChanged, this, [this] { syncModified(); });
}

void SessionDocument::edit(const EditStep &step, const std::function<void()> &change)
{
    SessionData before = SessionData::of(mSession);
    // Cleared so that an edit which marks the session without changing it shows.
    mSession.modified = 0;
    const auto record = [&] {
        if (SessionData::of(mSession) != before)
            mUndoStack.push(new SessionEditCommand(*this, std::move(before), step));
        else if (mSession.modified)
            mMarkedModified = true;
        syncModified();
    };
    try {
        change();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void SessionDocument::markSaved()
{
    mMarkedModified = false;
    mUndoStack.setClean();
    syncModified();
}

void SessionDocument::startAfresh(bool modified)
{
    mMarkedModified = modified;
    mUndoStack.clear();
    syncModified();
    emit startedAfresh();
}

void SessionDocument::markModified()
{
    mMarkedModified = true;
    syncModified();
}

bool SessionDocument::isModified() const
{
    return mMarkedModified || !mUndoStack.isClean();
}

void SessionDocument::syncModified()
{
    const bool modified = isModified();
    mSession.modified = modified ? 1 : 0;
    if (modified != std::exchange(mWasModified, modified))
        emit modifiedChanged(modified);
}
