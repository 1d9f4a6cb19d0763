#pragma once

#include "session/Session.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

// What an edit was, so that undo and redo can show its result as the edit
// did: the cell it concerned and the segment of its timing refresh.
struct EditStep
{
    enum MergeId { NoMerge = -1, ValueStep = 1 };

    QString text;          // "Cut Segment 3": the menu says "Undo Cut Segment 3"
    CellPos cell{};
    int timingSegment = 0; // 0: the edit does not refresh the timing panel
    int mergeId = NoMerge; // consecutive steps with the same id and cell merge into one
    bool showsCaption = false; // the caption shows what the edit changed
};

// The session being edited and its history. Every change of the session's
// own data (cells, kind, name, description) is an undoable step; asking the
// user happens inside the edit, before the step is recorded, so undo and
// redo never ask again. The session is modified exactly when it differs from
// what was last saved or read, or when an action marked it so without a
// change.
class SessionDocument : public QObject
{
    Q_OBJECT
public:
    explicit SessionDocument(QObject *parent = nullptr);

    Session &session() { return mSession; }
    const Session &session() const { return mSession; }
    QUndoStack &undoStack() { return mUndoStack; }

    // Runs change, which may ask the user and may change the session, and
    // records what it changed as one step. A change that throws is still
    // recorded before the exception goes on.
    void edit(const EditStep &step, const std::function<void()> &change);
    // The session now is what its file holds, or what the user chose to
    // keep as unmodified.
    void markSaved();
    // After New and Open: a history of its own, nothing to undo; modified
    // when the new session counts as such from the start.
    void startAfresh(bool modified = false);
    // Counts as modified although it matches what was last saved (a session
    // restored from its recovery copy, say).
    void markModified();
    bool isModified() const;

signals:
    // Undo or redo replaced the session's data.
    void restored(const EditStep &step);
    void modifiedChanged(bool modified);
    // New or Open put another session in place of the one edited before.
    void startedAfresh();

private:
    friend class SessionEditCommand;
    void syncModified();

    Session mSession;
    QUndoStack mUndoStack;
    bool mMarkedModified = false; // changed nothing, yet counts as modified
    bool mWasModified = false;
};
