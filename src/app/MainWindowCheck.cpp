// The session check in the status bar and the problems list, and the
// download's progress.
#include "app/MainWindow.h"
#include "app/dialogs/DownloadProgressDialog.h"
#include "app/dialogs/SessionProblemsDialog.h"
#include "app/WindowPlacement.h"
#include "app/timeline/TimelineWindow.h"

#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

void MainWindow::createCheckViews()
{
    mCheckSummary = new QLabel(this);
    statusBar()->addWidget(mCheckSummary, 1);
    // The summary keeps its text as its accessible name, which follows each change.
    mCheckSummary->setAccessibleDescription(tr("Session check"));
    statusBar()->setAccessibleName(tr("Status"));
    statusBar()->setSizeGripEnabled(false);

    mDownloadProgress = new DownloadProgressDialog(this);
    mDeviceLink.setProgress(mDownloadProgress);
    connect(mDownloadProgress, &DownloadProgressDialog::cancelRequested, this, [this] { mDeviceLink.cancelDownload(); });
    connect(&mDeviceLink, &DeviceLink::downloadFinished, this, &MainWindow::downloadFinished);
}

SessionProblemsDialog *MainWindow::problemsDialog()
{
    // Made when first wanted, not at start.
    if (mProblemsDialog)
        return mProblemsDialog;
    mProblemsDialog = new SessionProblemsDialog(this);
    mProblemsDialog->addActions(windowCommands());
    connect(mProblemsDialog, &SessionProblemsDialog::cellChosen, this, [this](int column, int row) {
        if (column >= session().cells.columnCount() || !isSessionShown())
            return;
        activateWindow();
        // As a click on the cell would.
        mEditor.selectCell({column, row}, SessionEditor::Source::User);
    });
    if (isSessionShown())
        mProblemsDialog->setProblems(mChecker.check(session(), mDeviceLink.identifiedDevice()), rowLabels(session().kind));
    return mProblemsDialog;
}

void MainWindow::refreshCheck()
{
    statusBar()->clearMessage();
    if (!isSessionShown()) {
        mCheckSummary->clear();
        if (mProblemsDialog)
            mProblemsDialog->setProblems({}, {});
        return;
    }
    const QList<SessionProblem> problems = mChecker.check(session(), mDeviceLink.identifiedDevice());
    const QString summary = problemSummary(problems);
    // Notes alone are no problems, but the list has them.
    mCheckSummary->setText(problems.isEmpty() ? summary : summary + tr(" \u2014 press F8"));
    if (mProblemsDialog)
        mProblemsDialog->setProblems(problems, rowLabels(session().kind));
}

void MainWindow::showProblems()
{
    SessionProblemsDialog *dialog = problemsDialog();
    // Beside the window, where it leaves the cells it selects in sight, and
    // the timeline too when it shows.
    if (!dialog->isVisible()) {
        const QTableView *grid = sessionTable();
        QList<QRect> avoid{QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size())};
        if (const auto *timeline = findChild<TimelineWindow *>(); timeline && timeline->isVisible())
            avoid << timeline->frameGeometry();
        dialog->move(placeBeside(frameGeometry(), dialog->frameGeometry().size(), avoid,
                                 screen()->availableGeometry()));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
