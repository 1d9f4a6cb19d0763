#pragma once

#include "core/session/SegmentClipboard.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingPanel.h"
#include "core/settings/UserPreferences.h"

#include <QObject>
#include <functional>

class SessionDialogs;
enum class StepDirection;

// What editing a session needs beside its document: the selection, whether
// a session is shown, the timing panel, the segment clipboard and the
// commands that work on the selection. Every window of a session takes the
// editor; none of them reaches into another window.
class SessionEditor : public QObject
{
    Q_OBJECT
public:
    // Who moved the selection: a user's choice refreshes the timing panel
    // for its segment; a command refreshes it itself where it should.
    enum class Source { Command, User };

    SessionEditor(Prompter &prompter, SessionDialogs &dialogs, QObject *parent = nullptr);

    SessionDocument &document() { return mDocument; }
    const SessionDocument &document() const { return mDocument; }
    const Session &session() const { return mDocument.session(); }
    const TimingPanel &timing() const { return mTiming; }
    const SegmentClipboard &segmentClipboard() const { return mSegmentClipboard; }
    UserPreferences &preferences() { return mPreferences; }
    Prompter &prompter() const { return *mPrompter; }
    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }
    SessionContext context() { return {mDocument, *mPrompter, mDialogs}; }

    bool isSessionShown() const { return mShown; }
    void setSessionShown(bool shown);

    // The selected cells, within one segment-number row below the fixed one,
    // and the current cell the arrow keys move from.
    const CellRange &selection() const { return mSelection; }
    const CellPos &currentCell() const { return mCurrent; }
    // The cell the commands act on: the top left of the selection.
    CellPos selectedCell() const { return mSelection.topLeft(); }
    void select(const CellRange &range, const CellPos &current, Source source = Source::Command);
    void selectCell(const CellPos &cell, Source source = Source::Command);

    // Runs a command; a failure it reports (a text that is not a number, a
    // port that fails) ends it in the standard error report.
    bool runCommand(const std::function<void()> &command);

    // The commands on the selection, each one undo step.
    void newSegment();
    // Stepping needs one row: a selection over several rows steps nothing.
    void stepSelectedCell(StepDirection direction);
    // Every selected cell of one row one step.
    void stepSelection(StepDirection direction);
    // A value typed into a cell's editor: for the selection when the cell is
    // part of a selection within one row, else for the cell; entered once
    // the editor has gone, so that a message box does not find it open.
    void enterTypedValue(const CellPos &cell, const QString &text);
    // Keeps the selected segment for Paste Segment; gives it back as a line
    // of text for other programs.
    QString copySegment();
    void cutSegment();
    void pasteSegment();
    void insertSegment();
    // Segments as text, from the selected segment on.
    void pasteText(const QString &text);
    void undo();
    void redo();

signals:
    void sessionShownChanged(bool shown);
    void selectionChanged(SessionEditor::Source source);

private:
    void showEdit(const EditStep &step);

    SessionDocument mDocument;
    TimingPanel mTiming;
    SegmentClipboard mSegmentClipboard;
    UserPreferences mPreferences;
    Prompter *mPrompter;
    SessionDialogs &mDialogs;
    CellRange mSelection;
    CellPos mCurrent{0, TimeRow};
    bool mShown = false;
};
