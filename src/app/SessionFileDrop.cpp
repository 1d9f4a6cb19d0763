#include "app/SessionFileDrop.h"

#include "core/exchange/SessionFormats.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
QString sessionFileIn(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (SessionFormats::droppedFormatOf(path))
            return path;
    }
    return {};
}
} // namespace

SessionFileDrop::SessionFileDrop(QWidget *target)
    : QObject(target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool SessionFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (sessionFileIn(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = sessionFileIn(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        QTimer::singleShot(0, this, [this, path] { emit fileDropped(path); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
