#pragma once

#include <QDialog>

// "Enter Session Name".
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};
