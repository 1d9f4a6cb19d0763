#include "app/FirstRunHint.h"

#include <QEvent>

using namespace Qt::Literals::StringLiterals;

FirstRunHint::FirstRunHint(QWidget *parent)
    : QLabel(tr("File > New to design a session, File > New from Template to start from a ready one, File > Open to read one"), parent)
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setForegroundRole(QPalette::PlaceholderText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

bool FirstRunHint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(watched, event);
}
