#pragma once

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

// "Enter Session Name": shows the name and, with OK, takes the edited name
// back. Created once and reused.
class SessionNameDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionNameDialog(QWidget *parent = nullptr);

    const QString &name() const { return mName; }
    void setName(const QString &name) { mName = name; }

    // Controls, for tests
    QLineEdit *nameEdit() const { return mNameEdit; }
    QPushButton *okButton() const { return mOkButton; }
    QPushButton *cancelButton() const { return mCancelButton; }
    QPushButton *helpButton() const { return mHelpButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillEntry();
    void takeName();

    QString mName;
    QFrame *mBevel;
    QLineEdit *mNameEdit;
    QPushButton *mOkButton;
    QPushButton *mCancelButton;
    QPushButton *mHelpButton;
};
