#include "app/MirandelWindows.h"

#include "app/TForm1.h"
#include "device/forms/TForm8.h"
#include "files/forms/TForm5.h"
#include "files/forms/TForm9.h"
#include "session/forms/TForm2.h"
#include "views/forms/TForm4.h"
#include "views/forms/TForm7.h"

MirandelWindows::MirandelWindows(const QStringList &arguments)
{
    Form1 = std::make_unique<TForm1>(*this, arguments);
    Form2 = std::make_unique<TForm2>();
    Form4 = std::make_unique<TForm4>(*Form1, Form1->session().cells);
    Form5 = std::make_unique<TForm5>();
    Form7 = std::make_unique<TForm7>();
    Form9 = std::make_unique<TForm9>();
    Form8 = std::make_unique<TForm8>();
}

MirandelWindows::~MirandelWindows() = default;

void MirandelWindows::showAtStart()
{
    Form1->show();
    Form7->show();
    Form7->raise();
}
