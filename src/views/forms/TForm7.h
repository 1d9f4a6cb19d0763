#pragma once

#include "app/QtPrompter.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The introduction: on top of the main window until the first click on it or
// the first key in the main window. It never takes the keyboard, so that key
// reaches the main window. Hidden, never destroyed.
class TForm7 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    // The twelve lines of the text, in order.
    static QStringList IntroLines();

    // Where "Error loading intro dialog" goes.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }

    QLabel *Label1;
    QPlainTextEdit *Memo1;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();

    QtPrompter mQtPrompter;
    Prompter *mPrompter;
};
