// Port selection and downloads.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "device/forms/PortDialog.h"

void MainWindow::selectPort()
{
    // The dialog would move the port under a download in its identification wait.
    if (mDeviceLink.isBusy()) {
        mPrompter->beep();
        return;
    }
    mWindows.portDialog->choosePort(mDeviceLink, *mPrompter, mPortNumber, mSettings);
}

void MainWindow::downloadAppend()
{
    mDeviceLink.download(false, mSession, mPortNumber, *mPrompter);
}

void MainWindow::downloadClear()
{
    mDeviceLink.download(true, mSession, mPortNumber, *mPrompter);
}
