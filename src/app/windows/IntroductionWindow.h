#pragma once

#include "app/QtPrompter.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The introduction: on top of the main window until the first click on it or
// the first key in the main window. It never takes the keyboard, so that key
// reaches the main window. Hidden, never destroyed.
class IntroductionWindow : public QWidget
{
    Q_OBJECT
public:
    explicit IntroductionWindow(QWidget *parent = nullptr);

    // The twelve lines of the text, in order.
    static QStringList introLines();

    // Where "Error loading intro dialog" goes.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }

    // Controls, for tests
    QLabel *titleLabel() const { return mTitle; }
    QPlainTextEdit *textEdit() const { return mText; }

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillText();

    QLabel *mTitle;
    QPlainTextEdit *mText;

    QtPrompter mQtPrompter;
    Prompter *mPrompter;
};
