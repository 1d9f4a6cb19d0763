#pragma once

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

// "Enter Session Name": shows SessionNameEntry and, with OK, takes the
// edited name back into it. Created once and reused.
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    QString SessionNameEntry;

    QFrame *Bevel1;
    QLineEdit *Edit1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;

    void formactivate();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
};
