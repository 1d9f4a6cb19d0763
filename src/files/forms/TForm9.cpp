#include "files/forms/TForm9.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

TForm9::TForm9(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(u"Session Description"_s);
    setFixedSize(543, 271);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 8, 527, 209);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabChangesFocus(true);
    Cancelbutton = new QPushButton(u"Cancel"_s, this);
    Cancelbutton->setGeometry(336, 228, 89, 33);
    Cancelbutton->setAutoDefault(false);
    OKButton = new QPushButton(u"OK"_s, this);
    OKButton->setGeometry(446, 228, 89, 33);
    OKButton->setAutoDefault(false);
    OKButton->setFocusPolicy(Qt::ClickFocus);
    connect(Cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm9::setLines(const QStringList &lines)
{
    // Appending would swallow leading empty lines: an empty document takes
    // an empty line as no line at all.
    Memo1->setPlainText(lines.join(u'\n'));
    Memo1->document()->setModified(false);
}

QStringList TForm9::lines() const
{
    QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool TForm9::isChanged() const
{
    return Memo1->document()->isModified();
}

void TForm9::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formshow();
}

void TForm9::formshow()
{
    Memo1->setFocus();
}
