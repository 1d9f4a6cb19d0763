#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Session Description": edits the description, one line per entry.
// Created once and reused; stays on top of the other windows.
class SessionDescriptionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionDescriptionDialog(QWidget *parent = nullptr);

    // Fills the text with the lines and marks it unchanged.
    void setLines(const QStringList &lines);
    // The text's lines; a final line break starts no further line.
    QStringList lines() const;
    // The text was edited since setLines.
    bool isChanged() const;

    // Controls, for tests
    QPlainTextEdit *textEdit() const { return mText; }
    QPushButton *okButton() const { return mOkButton; }
    QPushButton *cancelButton() const { return mCancelButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void focusText();

    QPlainTextEdit *mText;
    QPushButton *mCancelButton;
    QPushButton *mOkButton;
};
