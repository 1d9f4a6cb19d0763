#pragma once

#include "core/session/SessionDialogs.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingPanel.h"

#include <QStringList>
#include <deque>

// A window stand-in for core tests: follows the document as the window does,
// records what it would show, and answers the session dialogs from a script.
class RecordingView : public QObject, public SessionDialogs
{
public:
    explicit RecordingView(SessionDocument &document);

    SessionKind askSessionKind() override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;
    std::optional<QString> askSessionName(const QString &entry) override;
    SessionDescriptionAnswer askSessionDescription(const QStringList &lines) override;

    const TimingPanel &timing() const { return mTiming; }

    std::deque<SessionKind> sessionKinds; // answers of the New Session Type dialog
    // Answers of the file dialogs, an empty path for Cancel, and what they were asked.
    std::deque<QString> openFileNames;
    std::deque<QString> saveFileNames;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    // Enter Session Name: answers (nothing = Cancel) and the entries shown.
    std::deque<std::optional<QString>> sessionNames;
    QStringList nameEntries;
    // Session Description: answers and the lines shown.
    std::deque<SessionDescriptionAnswer> descriptionAnswers;
    QList<QStringList> descriptionsShown;

    int timingChangedCount = 0;
    int focusCount = 0; // edits whose cell was shown
    bool sessionShown = false;
    CellPos selected{-1, -1};
    QStringList filesOpenedOrSaved;

private:
    TimingPanel mTiming;
};
