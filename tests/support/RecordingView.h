#pragma once

#include "session/SessionView.h"

#include <QStringList>
#include <deque>

// A window stand-in for core tests: records what the commands ask of the
// window and answers its dialogs from a script.
class RecordingView : public SessionView
{
public:
    void cellsChanged() override { ++cellsChangedCount; }
    void timingChanged() override { ++timingChangedCount; }
    void setSessionShown(bool shown) override { sessionShown = shown; }
    void setCaption(const QString &text) override { caption = text; }
    void selectCell(const CellPos &cell) override { selected = cell; ++focusCount; }
    void focusGrid() override { ++focusCount; }
    void scrollToLastSegment() override { ++scrollCount; }
    SessionKind askSessionKind() override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;
    std::optional<QString> askSessionName(const QString &entry) override;
    SessionDescriptionAnswer askSessionDescription(const QStringList &lines) override;
    void fileOpenedOrSaved(const QString &path) override { filesOpenedOrSaved << path; }

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
    QStringList filesOpenedOrSaved;

    int cellsChangedCount = 0;
    int timingChangedCount = 0;
    int focusCount = 0;
    int scrollCount = 0;
    bool sessionShown = false;
    QString caption;
    CellPos selected{-1, -1};
};
