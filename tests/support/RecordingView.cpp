#include "RecordingView.h"

#include <gtest/gtest.h>

namespace {
// The next scripted answer; an unscripted dialog fails the test and gives cancelled.
template<typename Answer>
Answer nextAnswer(std::deque<Answer> &answers, const char *dialog, const Answer &cancelled)
{
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted " << dialog;
        return cancelled;
    }
    // erase() where pop_front() would do: after pop_front() GCC takes the
    // copied std::optional for possibly unset (-Wmaybe-uninitialized).
    Answer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}
} // namespace

RecordingView::RecordingView(SessionDocument &document)
{
    // As in the window: the edit's cell is shown before the timing refresh.
    connect(&document, &SessionDocument::edited, this, [this](const EditStep &step) {
        selected = step.cell;
        ++focusCount;
    });
    mTiming.follow(document);
    connect(&mTiming, &TimingPanel::changed, this, [this] { ++timingChangedCount; });
    connect(&document, &SessionDocument::replaced, this, [this] {
        sessionShown = true;
        selected = {0, 1};
    });
    connect(&document, &SessionDocument::saved, this, [this](const QString &path) { filesOpenedOrSaved << path; });
}

SessionKind RecordingView::askSessionKind()
{
    return nextAnswer(sessionKinds, "New Session Type dialog", PulsedSession);
}

QString RecordingView::askOpenFileName(const FileDialogRequest &request)
{
    openRequests.append(request);
    return nextAnswer(openFileNames, "open dialog", QString());
}

QString RecordingView::askSaveFileName(const FileDialogRequest &request)
{
    saveRequests.append(request);
    return nextAnswer(saveFileNames, "save dialog", QString());
}

std::optional<QString> RecordingView::askSessionName(const QString &entry)
{
    nameEntries.append(entry);
    return nextAnswer(sessionNames, "Enter Session Name dialog", std::optional<QString>());
}

SessionDescriptionAnswer RecordingView::askSessionDescription(const QStringList &lines)
{
    descriptionsShown.append(lines);
    return nextAnswer(descriptionAnswers, "Session Description dialog", SessionDescriptionAnswer());
}
