// Port selection and downloads.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/dialogs/DownloadProgressDialog.h"
#include "app/dialogs/PortDialog.h"

#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

void MainWindow::selectPort()
{
    // The dialog would move the port under a download in its identification wait.
    if (mDeviceLink.isBusy()) {
        prompter().beep();
        return;
    }
    mWindows.portDialog->choosePort(mDeviceLink, prompter(), mPortNumber, mSettings);
    // A device found there tells its room.
    refreshCheck();
}

void MainWindow::downloadAppend()
{
    download(false);
}

void MainWindow::downloadClear()
{
    download(true);
}

void MainWindow::download(bool clear)
{
    // The outcome comes to downloadFinished, at once when the device is not
    // even asked.
    if (mDeviceLink.startDownload(clear, session(), mPortNumber, prompter()) && mDeviceLink.isBusy())
        mDownloadProgress->deviceAsked();
}

void MainWindow::downloadFinished(bool sent)
{
    // A download that ends at the identification never started sending.
    mDownloadProgress->sendingEnded();
    refreshCheck();
    if (sent) {
        statusBar()->showMessage(tr("Session downloaded: %1 segments, %2 bytes").arg(session().cells.columnCount())
                                     .arg(mDeviceLink.lastDownloadBytes()));
    }
}
