// Port selection and downloads.
#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "device/forms/TForm8.h"
#include "session/ProgramFiles.h"

void TForm1::Comm1Click()
{
    // The dialog would move the port under a download in its identification wait.
    if (mDeviceLink.isBusy()) {
        mPrompter->beep();
        return;
    }
    mWindows.Form8->choosePort(mDeviceLink, *mPrompter, ComPortNumber, SettingsFilePath());
}

void TForm1::DownloadappendClick()
{
    mDeviceLink.Download(false, mSession, ComPortNumber, *mPrompter);
}

void TForm1::DownloadclearClick()
{
    mDeviceLink.Download(true, mSession, ComPortNumber, *mPrompter);
}
