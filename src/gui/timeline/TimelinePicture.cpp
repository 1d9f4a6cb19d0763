#include "gui/timeline/TimelinePicture.h"

#include "core/files/SafeFileWriter.h"
#include "core/session/Session.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineLayout.h"
#include "gui/graph/GraphPicture.h"
#include "gui/timeline/TimelinePainter.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

using namespace Qt::Literals::StringLiterals;

namespace {
void paintWhole(QPainter &painter, const Session &session, int width, int height)
{
    const TimelineLayout layout(session);
    const TimelineGeometry geometry(width, height, layout.totalHalfSeconds() / 2.0);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    paintTimeline(painter, session, layout, geometry, {}, QRect(0, 0, width, height));
}
} // namespace

namespace TimelinePicture {
QImage image(const Session &session, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    QPainter painter(&picture);
    paintWhole(painter, session, width, height);
    return picture;
}

QByteArray svg(const Session &session, int width, int height)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle(session.name);
    QPainter painter(&generator);
    paintWhole(painter, session, width, height);
    painter.end();
    return buffer.data();
}

std::optional<QString> save(const QString &path, const Session &session, int width, int height)
{
    const QByteArray bytes = path.endsWith(u".svg"_s, Qt::CaseInsensitive)
                                 ? svg(session, width, height)
                                 : GraphPicture::png(image(session, width, height));
    if (bytes.isEmpty())
        return u"The picture is too large to be made."_s;
    if (const auto failure = writeFileSafely(path, bytes))
        return u"Cannot write the picture to \"%1\". %2"_s.arg(path, failure->reason);
    return std::nullopt;
}
} // namespace TimelinePicture
