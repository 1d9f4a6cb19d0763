#include "device/forms/TForm8.h"

#include "device/DeviceLink.h"
#include "session/PortSetting.h"
#include "session/Prompter.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::Literals::StringLiterals;

TForm8::TForm8(QWidget *parent)
    : QDialog(parent)
    , mPorts(new QButtonGroup(this))
{
    setWindowTitle(u"COM Port Selection"_s);
    setFixedSize(293, 292);
    // Where the dialog's own face is missing, one of the same width keeps
    // the texts inside their controls.
    QFont dialogFont;
    dialogFont.setFamilies({u"MS Sans Serif"_s, u"Arial"_s, u"Helvetica"_s, u"Nimbus Sans"_s, u"Liberation Sans"_s});
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    QRadioButton **radios[] = {&SelectCom1, &SelectCom2, &SelectCom3, &SelectCom4};
    for (int n = 1; n <= 4; ++n) {
        auto *radio = new QRadioButton(u"COM %1"_s.arg(n), this);
        radio->setGeometry(40, 4 + 20 * n, 113, 17);
        mPorts->addButton(radio, n);
        connect(radio, &QRadioButton::clicked, this, [this, n] { ComClick(n); });
        *radios[n - 1] = radio;
    }

    OKButton = new QPushButton(u"OK"_s, this);
    OKButton->setGeometry(160, 32, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    CancelButton = new QPushButton(u"Cancel"_s, this);
    CancelButton->setGeometry(160, 72, 75, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ChkCommButton = new QPushButton(u"Check System Connection"_s, this);
    ChkCommButton->setGeometry(64, 120, 145, 25);
    connect(ChkCommButton, &QPushButton::clicked, this, &TForm8::ChkCommClick);

    Memo1 = new QTextEdit(this);
    Memo1->setGeometry(40, 168, 201, 81);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(2);
    const QStringList lines = {u"Select the COM port that the "_s, u"Light/Sound system is connected to."_s,
                               u"With the system turned on, use "_s, u"\"Check System Connection\" to verify."_s,
                               u"When selection works, press OK. "_s};
    Memo1->setPlainText(lines.join(u'\n'));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

bool TForm8::choosePort(DeviceLink &link, Prompter &prompter, int &comPortNumber, const QString &settingsFile)
{
    mLink = &link;
    mPrompter = &prompter;
    ComPortNumber = comPortNumber;
    FormOn();
    if (exec() != QDialog::Accepted)
        return false;
    comPortNumber = PendingPortNumber;
    if (!WritePortSetting(settingsFile, comPortNumber))
        prompter.error(u"Unable to write to %1"_s.arg(settingsFile));
    return true;
}

QRadioButton *TForm8::radioOf(int n) const
{
    return qobject_cast<QRadioButton *>(mPorts->button(n));
}

void TForm8::FormOn()
{
    for (QAbstractButton *radio : mPorts->buttons())
        radio->setFocusPolicy(Qt::StrongFocus);
    ShowSelection();
}

void TForm8::ShowSelection()
{
    mPorts->setExclusive(false);
    for (QAbstractButton *radio : mPorts->buttons())
        radio->setChecked(false);
    mPorts->setExclusive(true);
    PendingPortNumber = ComPortNumber;
    if (QRadioButton *inForce = radioOf(ComPortNumber)) {
        inForce->setChecked(true);
        // Marking counts as a click on the port in force: no test, but the
        // focus goes to OK.
        ComClick(ComPortNumber);
    }
}

void TForm8::ComClick(int n)
{
    if (n == ComPortNumber) {
        PendingPortNumber = n;
    } else if (mLink->ChkPort(n, *mPrompter)) {
        PendingPortNumber = n;
        mLink->closePort();
    } else {
        ShowSelection();
    }
    OKButton->setFocus();
    if (QRadioButton *clicked = radioOf(n))
        clicked->setFocusPolicy(Qt::ClickFocus);
}

void TForm8::ChkCommClick()
{
    // The identification wait keeps the window alive; its buttons must wait.
    setEnabled(false);
    mPrompter->setBusy(true);
    if (mLink->ChkSys(PendingPortNumber, *mPrompter)) {
        mPrompter->setBusy(false);
        mPrompter->information(mLink->info().summary());
        mLink->closePort();
    }
    mPrompter->setBusy(false);
    setEnabled(true);
}
