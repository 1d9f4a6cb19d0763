#include "gui/graph/GraphPicture.h"

#include "core/files/SafeFileWriter.h"
#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"
#include "gui/graph/PngWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgGenerator>

using namespace Qt::Literals::StringLiterals;

namespace GraphPicture {
namespace {
struct GraphPictureTexts
{
    Q_DECLARE_TR_FUNCTIONS(GraphPicture)
};

QFont unitFont(const QFont &labelFont)
{
    QFont font = labelFont;
    font.setPixelSize(10);
    return font;
}

QSize pictureSize(const GraphDrawing &drawing)
{
    return {ScaleStripWidth + drawing.bitmap.width(), drawing.bitmap.height() + UnitRowHeight};
}

QFont scaleFont()
{
    QFont font;
    font.setPixelSize(13);
    return font;
}
} // namespace

void paintScale(QPainter &painter, const QList<ScaleTick> &ticks, int baseline, GraphKind mode)
{
    const int ascent = painter.fontMetrics().ascent();
    for (const ScaleTick &tick : ticks) {
        painter.drawLine(tick.tick);
        painter.drawText(tick.labelTopLeft + QPoint(0, ascent), tick.label);
    }
    if (ticks.isEmpty())
        return;
    const QFont labelFont = painter.font();
    painter.setFont(unitFont(labelFont));
    const QFontMetrics units = painter.fontMetrics();
    const int hzTop = std::max(0, ticks.first().tick.y1() - 1 - units.height());
    painter.drawText(QPoint(5, hzTop + units.ascent()), u"Hz"_s);
    if (mode == GraphKind::Time)
        // Right-aligned, clear of the "1" label on a low graph.
        painter.drawText(QPoint(ScaleStripWidth - 1 - units.horizontalAdvance(u"min"_s), baseline + 3 + units.ascent()),
                         u"min"_s);
    painter.setFont(labelFont);
}

QImage image(const GraphDrawing &drawing, const GraphGeometry &geometry, GraphKind mode)
{
    if (drawing.bitmap.isNull())
        return QImage();
    QImage picture(pictureSize(drawing), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(scaleFont());
    paintScale(painter, geometry.frequencyScale(), geometry.baseline, mode);
    painter.drawImage(ScaleStripWidth, 0, drawing.bitmap);
    return picture;
}

QByteArray svg(const GraphDrawing &drawing, const GraphGeometry &geometry, GraphKind mode, const QString &title)
{
    if (!drawing.canvas)
        return QByteArray();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // One picture pixel to one CSS pixel.
    generator.setResolution(96);
    generator.setSize(pictureSize(drawing));
    generator.setViewBox(QRect(QPoint(0, 0), pictureSize(drawing)));
    generator.setTitle(title);
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), pictureSize(drawing)), Qt::white);
    painter.setFont(scaleFont());
    paintScale(painter, geometry.frequencyScale(), geometry.baseline, mode);
    painter.translate(ScaleStripWidth, 0);
    drawing.canvas->draw(painter, QRect(0, 0, drawing.bitmap.width(), drawing.bitmap.height()));
    painter.end();
    return buffer.data();
}

QByteArray png(const QImage &image)
{
    return PngWriter::png(image);
}

std::optional<QString> save(const QString &path, const GraphDrawing &drawing, const GraphGeometry &geometry,
                            GraphKind mode, const QString &title)
{
    const QByteArray bytes = path.endsWith(u".svg"_s, Qt::CaseInsensitive)
                                 ? svg(drawing, geometry, mode, title)
                                 : png(image(drawing, geometry, mode));
    if (bytes.isEmpty())
        return GraphPictureTexts::tr("The picture is too large to be made.");
    if (const auto failure = writeFileSafely(path, bytes))
        return GraphPictureTexts::tr("Cannot write the picture to \"%1\". %2").arg(path, failure->reason);
    return std::nullopt;
}
} // namespace GraphPicture
