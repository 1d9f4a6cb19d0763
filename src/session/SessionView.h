#pragma once

#include "session/Session.h"

#include <optional>

// What a file dialog is set up with each time it runs.
struct FileDialogRequest
{
    QString title;
    QString filter;           // "Description|*.EXT"
    QString defaultExtension; // added to a name typed without one
    QString initialFileName;
};

// How the Session Description dialog was closed.
struct SessionDescriptionAnswer
{
    bool accepted = false; // OK rather than Cancel
    bool changed = false;  // the text was edited while the dialog was open
    QStringList lines;     // the text, one entry per line
};

// The timing panel as the last refresh left it. It is not the session's:
// stepping a time leaves it as it was, and Print and the time graph use it
// as it stands.
struct TimingPanel
{
    QStringList lines{QString(), QString()};
    int totalSeconds = 0; // of the last refresh that came to the end
};

// What the session commands ask of the window that shows the session. The
// main window implements it with widgets; tests implement it with a recorder.
class SessionView
{
public:
    virtual ~SessionView() = default;

    // The cells, the column count or kind (row labels) changed.
    virtual void cellsChanged() = 0;

    const TimingPanel &timing() const { return mTiming; }
    void setTiming(const TimingPanel &timing)
    {
        mTiming = timing;
        timingChanged();
    }
    // Show or hide the spreadsheet with its labels, panel and buttons.
    virtual void setSessionShown(bool shown) = 0;
    virtual void setCaption(const QString &caption) = 0;
    // Select a cell and give the spreadsheet the focus.
    virtual void selectCell(const CellPos &cell) = 0;
    virtual void focusGrid() = 0;
    // Scroll so that the last segment is in view.
    virtual void scrollToLastSegment() = 0;
    // The New Session Type dialog: the SessionKind chosen.
    virtual SessionKind askSessionKind() = 0;

    // Files
    // The open and save dialogs: the path chosen, empty when cancelled. The
    // save dialog does not ask about overwriting.
    virtual QString askOpenFileName(const FileDialogRequest &request) = 0;
    virtual QString askSaveFileName(const FileDialogRequest &request) = 0;
    // Enter Session Name, showing entry: the name taken back with OK,
    // nothing after Cancel.
    virtual std::optional<QString> askSessionName(const QString &entry) = 0;
    // Session Description, showing lines.
    virtual SessionDescriptionAnswer askSessionDescription(const QStringList &lines) = 0;
    // A session file was read or written in full, for the Recent Files list.
    virtual void fileOpenedOrSaved(const QString &path) { Q_UNUSED(path) }

protected:
    // Shows the panel after setTiming().
    virtual void timingChanged() = 0;

private:
    TimingPanel mTiming;
};

// "Mirandel for Ambrion/Calidor - [name]" after New and Open, with round
// brackets after show, resize and Name Session.
QString sessionCaption(const QString &sessionName, bool squareBrackets);
