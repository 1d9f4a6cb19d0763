#include "app/SafetyNotice.h"

#include <QEvent>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

SafetyNotice::SafetyNotice(QWidget *parent)
    : QLabel(tr("<b>Before you use light stimulation</b><br>Do not use it if you have epilepsy or have ever had a "
             "seizure, if you have migraine with visual aura, a heart condition or a pacemaker, if you are "
             "pregnant, or if you take medication or drugs that affect the nervous system, unless a doctor has "
             "advised you. Stop at once if you feel unwell. The session check warns of flash rates most likely "
             "to provoke seizures; its findings are guidance, not medical advice. Help &gt; Safety tells more."),
             parent)
{
    setObjectName(u"safetyNotice"_s);
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setFrameShape(QFrame::StyledPanel);
    setMargin(8);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("Safety notice"));
    // The name alone would leave the notice itself unread.
    QTextDocument plain;
    plain.setHtml(text());
    setAccessibleDescription(plain.toPlainText());
    parent->installEventFilter(this);
    place();
}

bool SafetyNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QLabel::eventFilter(watched, event);
}

void SafetyNotice::place()
{
    constexpr int Margin = 16;
    const QRect area = parentWidget()->rect().adjusted(Margin, Margin, -Margin, -Margin);
    const int height = heightForWidth(area.width());
    setGeometry(area.left(), area.bottom() - height, area.width(), height);
}
