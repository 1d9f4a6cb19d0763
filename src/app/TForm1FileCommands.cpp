// File commands and the session name and description dialogs.
#include "app/TForm1.h"

void TForm1::FormActivate() {}
void TForm1::Open1Click() {}
void TForm1::Save1Click() {}
void TForm1::SaveasClick() {}
void TForm1::Name1Click() {}
void TForm1::SessionDescription1Click() {}

bool TForm1::FormCloseQuery()
{
    return true;
}
