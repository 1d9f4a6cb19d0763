#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Session Description": edits the description, one line per entry.
// Created once and reused; stays on top of the other windows.
class TForm9 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *Cancelbutton;
    QPushButton *OKButton;

    // Fills Memo1 with the lines and marks it unchanged.
    void setLines(const QStringList &lines);
    // Memo1's lines; a final line break starts no further line.
    QStringList lines() const;
    // Memo1 was edited since setLines.
    bool isChanged() const;

    void formshow();

protected:
    void showEvent(QShowEvent *event) override;
};
