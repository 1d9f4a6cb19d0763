#pragma once

#include "core/files/FileIdentity.h"
#include "core/session/Session.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// What an edit was: its name in the Edit menu, the cell it concerns and the
// segment whose timing it refreshes. Undo and redo show their result the way
// the edit did.
struct EditStep
{
    enum MergeId { NoMerge = -1, ValueStep = 1 };

    QString text;          // "Cut Segment 3": the menu says "Undo Cut Segment 3"
    CellPos cell{};        // row 0: the segment, whichever row is selected
    int timingSegment = 0; // 0: the edit does not refresh the timing panel
    int mergeId = NoMerge; // consecutive steps with the same id and cell merge into one
    int columns = 1;       // the cells from `cell` rightwards that the edit concerns, shown selected
};

// The session being edited and its history. Every change goes through here,
// and every change is announced: an edit, its undo and its redo alike, so
// that whatever shows the session only has to listen. The session is
// modified exactly when it differs from what was last saved or read, or when
// an action marked it so without a change.
class SessionDocument : public QObject
{
    Q_OBJECT
public:
    explicit SessionDocument(Session session = {}, QObject *parent = nullptr);
    ~SessionDocument() override;

    const Session &session() const { return mSession; }
    const SessionGrid &cells() const { return mSession.cells; }

    // Runs change, which may ask the user and may change the session, and
    // records what it changed as one undo step. Asking happens inside the
    // edit, before the step is recorded, so undo and redo never ask again.
    // A change that throws is still recorded and announced before the
    // exception goes on. edited() follows even when nothing changed.
    void edit(const EditStep &step, const std::function<void(Session &)> &change);
    // Counts as modified although it matches what was last saved; within an
    // edit, even if the edit changes nothing.
    void markModified();

    // New, Open, a restored copy: another session in place of this one,
    // with a history of its own.
    void replace(Session session, bool modified);
    void setFileName(const QString &fileName);

    // The session now is what its file holds (just read or written); a
    // guard on the file ends.
    void markSaved();
    // Save must ask question, and have a yes, before it replaces the file at
    // path (a file read with losses, or changed since a recovery copy). Ends
    // with another session or when the file is written.
    void guardFile(const QString &path, const QString &question);
    // The question to ask before path is replaced; empty when none. A path
    // that leads to the guarded file by another way (a link) asks too.
    QString overwriteQuestion(const QString &path) const;
    // The user chose to keep the session as unmodified (changes dropped).
    void dropChanges();
    bool isModified() const;

    bool canUndo() const;
    bool canRedo() const;
    QString undoText() const;
    QString redoText() const;
    int undoCount() const { return int(mHistory.size()); }
    void undo();
    void redo();

signals:
    // Cells of the segments first..last (counted from 0, as they are now)
    // changed; the segments around them did not move.
    void cellsChanged(int first, int last);
    // Segments first..last were added, or removed (counted as they were),
    // moving those after them.
    void segmentsInserted(int first, int last);
    void segmentsRemoved(int first, int last);
    // After any of the three above: the cells changed somewhere.
    void gridChanged();
    void kindChanged(int kind);
    void nameChanged(const QString &name);
    void descriptionChanged(const QStringList &lines);
    void bedsChanged();
    void fileNameChanged(const QString &fileName);
    // Another session took this one's place: everything changed.
    void replaced();
    // The last signal of an edit, an undo or a redo: what it was.
    void edited(const EditStep &step);
    void modifiedChanged(bool modified);
    // The session matches its file at path (read or written).
    void saved(const QString &path);
    // What Undo and Redo offer changed.
    void historyChanged();

private:
    struct Step;

    void announce(const Session &before);
    void apply(Step &step);
    void syncModified();
    void clearHistory();

    Session mSession;
    QString mGuardedFile;
    FileIdentity mGuardedIdentity;
    QString mOverwriteQuestion;
    std::vector<std::unique_ptr<Step>> mHistory;
    int mIndex = 0;      // steps done; undo takes back mHistory[mIndex - 1]
    int mCleanIndex = 0; // the index that matches the file; -1 when none does
    bool mMarkedModified = false; // changed nothing, yet counts as modified
    bool mEditing = false;
    bool mEditMarked = false; // the running edit marked the session
    bool mWasModified = false;
};
