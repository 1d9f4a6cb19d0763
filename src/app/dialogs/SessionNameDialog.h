#pragma once

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

// "Enter Session Name": shows the name and, with OK, takes the edited name
// back. Created once at start and reused; its controls are made when it is
// first shown (or one is asked for), which the start would otherwise pay for.
class SessionNameDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionNameDialog(QWidget *parent = nullptr);

    const QString &name() const { return mName; }
    void setName(const QString &name) { mName = name; }

    // Controls, for tests
    QLineEdit *nameEdit() { ensureControls(); return mNameEdit; }
    QPushButton *okButton() { ensureControls(); return mOkButton; }
    QPushButton *cancelButton() { ensureControls(); return mCancelButton; }
    QPushButton *helpButton() { ensureControls(); return mHelpButton; }

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ensureControls();
    void fillEntry();
    void takeName();

    QString mName;
    QFrame *mBevel = nullptr;
    QLineEdit *mNameEdit = nullptr;
    QPushButton *mOkButton = nullptr;
    QPushButton *mCancelButton = nullptr;
    QPushButton *mHelpButton = nullptr;
};
