#pragma once

#include <QDialog>

// "COM Port Selection".
class TForm8 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};
