// Printing and help.
#include "app/TForm1.h"

void TForm1::PrintClick() {}
void TForm1::Contents1Click() {}
void TForm1::Context1Click() {}
void TForm1::About1Click() {}
