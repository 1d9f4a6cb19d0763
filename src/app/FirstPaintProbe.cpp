#include "app/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

FirstPaintProbe::FirstPaintProbe(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the children paint and the frame is shown first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
}
