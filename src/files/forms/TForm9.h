#pragma once

#include <QDialog>

// "Session Description".
class TForm9 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};
