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
}

SessionProblemsDialog *MainWindow::problemsDialog()
{
    // Made when first wanted, not at start.
    if (mProblemsDialog)
        return mProblemsDialog;
    mProblemsDialog = new SessionProblemsDialog(this);
    connect(mProblemsDialog, &SessionProblemsDialog::cellChosen, this, [this](int column, int row) {
        if (column >= mSession.cells.columnCount() || !isSessionShown())
            return;
        activateWindow();
        selectCell({column, row});
        // As a click on the cell would.
        runCommand([this, column] { mTiming.refresh(mSession.cells, column + 1); });
    });
    if (isSessionShown())
        mProblemsDialog->setProblems(mChecker.check(mSession, mDeviceLink.identifiedDevice()), rowLabels(mSession.kind));
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
    const QList<SessionProblem> problems = mChecker.check(mSession, mDeviceLink.identifiedDevice());
    const QString summary = problemSummary(problems);
    // Notes alone are no problems, but the list has them.
    mCheckSummary->setText(problems.isEmpty() ? summary : summary + tr(" \u2014 press F8"));
    if (mProblemsDialog)
        mProblemsDialog->setProblems(problems, rowLabels(mSession.kind));
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
