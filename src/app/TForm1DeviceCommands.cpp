// Port selection and downloads.
#include "app/TForm1.h"

void TForm1::Comm1Click() {}
void TForm1::DownloadappendClick() {}
void TForm1::DownloadclearClick() {}
