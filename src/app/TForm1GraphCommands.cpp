// The graph window commands.
#include "app/TForm1.h"

void TForm1::seggraphClick() {}
void TForm1::TimegraphClick() {}
