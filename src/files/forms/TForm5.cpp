#include "files/forms/TForm5.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <limits>

using namespace Qt::Literals::StringLiterals;

TForm5::TForm5(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(u"Enter Session Name"_s);
    setFixedSize(340, 243);
    QFont boldFont = font();
    boldFont.setBold(true);
    setFont(boldFont);

    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(8, 8, 324, 177);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(32, 80, 276, 27);
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), u"OK"_s, this);
    OKBtn->setGeometry(83, 199, 83, 31);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), u"Cancel"_s, this);
    CancelBtn->setGeometry(174, 199, 83, 31);
    HelpBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), u"Help"_s, this);
    HelpBtn->setGeometry(265, 199, 67, 31);
    HelpBtn->hide();
    connect(OKBtn, &QPushButton::clicked, this, &TForm5::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    formactivate();
}

// Filled when the dialog shows rather than at every activation, so that
// switching to another program and back keeps what was typed.
void TForm5::formactivate()
{
    Edit1->setText(SessionNameEntry);
    Edit1->setFocus();
}

void TForm5::OKBtnClick()
{
    SessionNameEntry = Edit1->text();
    accept();
}
