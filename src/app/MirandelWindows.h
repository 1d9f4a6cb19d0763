#pragma once

#include <QStringList>
#include <memory>

class TForm1;
class TForm2;
class TForm4;
class TForm5;
class TForm7;
class TForm8;
class TForm9;

// The program's seven windows, created once in their fixed order and kept
// until the end.
struct MirandelWindows
{
    explicit MirandelWindows(const QStringList &arguments);
    ~MirandelWindows();

    // The main window, with the introduction on top of it.
    void showAtStart();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm8> Form8;
};
