#include "gui/graph/SessionThumbnail.h"

#include "gui/graph/GraphDrawing.h"

QImage sessionThumbnail(const SessionGrid &cells, int totalSeconds, QSize size)
{
    const GraphDrawing drawing =
        drawGraph(cells, GraphKind::Time, QString(), totalSeconds, size.width() * 2, size.height() * 2);
    if (drawing.bitmap.isNull() || !drawing.error.isEmpty())
        return QImage();
    return drawing.bitmap.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
