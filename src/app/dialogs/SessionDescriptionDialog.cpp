#include "app/dialogs/SessionDescriptionDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

SessionDescriptionDialog::SessionDescriptionDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Session Description"));
    setFixedSize(543, 271);

    mText = new QPlainTextEdit(this);
    mText->setGeometry(8, 8, 527, 209);
    mText->setLineWrapMode(QPlainTextEdit::NoWrap);
    mText->setTabChangesFocus(true);
    mText->setAccessibleName(tr("Session description"));
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setGeometry(336, 228, 89, 33);
    mCancelButton->setAutoDefault(false);
    mOkButton = new QPushButton(tr("OK"), this);
    mOkButton->setGeometry(446, 228, 89, 33);
    mOkButton->setAutoDefault(false);
    mOkButton->setFocusPolicy(Qt::ClickFocus);
    connect(mCancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(mOkButton, &QPushButton::clicked, this, &QDialog::accept);
    // OK stays out of the Tab order; these reach it from the text. Alt+O
    // would otherwise type an "o" where Alt gives text.
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                                     QKeySequence(Qt::ALT | Qt::Key_O)})
        connect(new QShortcut(keys, this), &QShortcut::activated, mOkButton, &QPushButton::click);
}

void SessionDescriptionDialog::setLines(const QStringList &lines)
{
    // Appending would swallow leading empty lines: an empty document takes
    // an empty line as no line at all.
    mText->setPlainText(lines.join(u'\n'));
    mText->document()->setModified(false);
}

QStringList SessionDescriptionDialog::lines() const
{
    QString text = mText->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool SessionDescriptionDialog::isChanged() const
{
    return mText->document()->isModified();
}

void SessionDescriptionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    focusText();
}

void SessionDescriptionDialog::focusText()
{
    mText->setFocus();
}
