#pragma once

#include <QDialog>

class QLineEdit;

// A one-line input box: the prompt, an optional explanation under it, the
// entry, OK and Cancel. Wide enough for its whole caption.
class InputBoxDialog : public QDialog
{
public:
    InputBoxDialog(const QString &caption, const QString &prompt, const QString &explanation,
                   const QString &initial, QWidget *parent = nullptr);

    QString text() const;

private:
    QLineEdit *mEntry;
};
