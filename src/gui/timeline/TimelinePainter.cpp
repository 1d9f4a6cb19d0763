#include "gui/timeline/TimelinePainter.h"

#include "core/check/FlashRateCheck.h"
#include "core/session/Session.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"
#include "core/timeline/TimelineDrag.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineGrip.h"
#include "core/timeline/TimelineLayout.h"
#include "core/timeline/TimelineReadout.h"
#include "gui/graph/GraphGeometry.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// Colours told apart with every common colour-vision deficiency (blue,
// orange, sky blue, yellow, black); meaning is never carried by hue alone:
// the second beat is dashed, the flash warnings are hatched.
const QColor Background(255, 255, 255);
const QColor BandShade(236, 240, 246);
const QColor BandText(150, 160, 175);
const QColor BeatColour(0, 114, 178);
const QColor Beat2Colour(230, 159, 0);
const QColor PitchColour(0, 0, 0);
const QColor VolumeColour(86, 180, 233, 110);
const QColor VolumeLine(0, 114, 178);
const QColor DarkLight(40, 40, 48);
const QColor BrightLight(255, 232, 120);
const QColor IntensityLine(0, 0, 0);
const QColor BoundaryColour(170, 170, 170);
const QColor RepeatText(140, 140, 140);
const QColor SelectionFill(0, 114, 178, 40);
const QColor SelectionEdge(0, 114, 178);
const QColor CursorColour(0, 0, 0);
const QColor FlickerHatch(230, 159, 0);
const QColor PeakHatch(213, 94, 0);
const QColor ScaleFill(246, 246, 246);

constexpr int LabelRoom = 70; // a pass narrower than this gets no labels
constexpr int NumberRoom = 14;
constexpr int PointRoom = 8;
constexpr int PointOverhang = 4; // the first point shows whole beside the scale
constexpr int MarkWidth = 3;     // a segment narrower than this is marked this wide
constexpr int TickLabelRoom = 14;
// More passes than this are drawn without smoothing.
constexpr int ManyPasses = 400;

QColor lightColour(double level)
{
    const double at = std::clamp(level / 100.0, 0.0, 1.0);
    auto mix = [at](int dark, int bright) { return int(std::lround(dark + (bright - dark) * at)); };
    return QColor(mix(DarkLight.red(), BrightLight.red()), mix(DarkLight.green(), BrightLight.green()),
                  mix(DarkLight.blue(), BrightLight.blue()));
}

// The passes that meet the x range, as indexes [first, last).
std::pair<int, int> passesBetween(const TimelineLayout &layout, const TimelineGeometry &geometry, int left, int right)
{
    const std::vector<TimelinePass> &passes = layout.passes();
    const double from = geometry.secondsAt(left - 1) * 2;
    const double to = geometry.secondsAt(right + 1) * 2;
    auto first = std::upper_bound(passes.begin(), passes.end(), from,
                                  [](double time, const TimelinePass &pass) { return time < double(pass.end()); });
    auto last = std::lower_bound(first, passes.end(), to,
                                 [](const TimelinePass &pass, double time) { return double(pass.start) < time; });
    return {int(first - passes.begin()), int(last - passes.begin())};
}

class Painting
{
public:
    Painting(QPainter &painter, const Session &session, const TimelineLayout &layout,
             const TimelineGeometry &geometry, const TimelineMarks &marks, const QRect &clip)
        : p(painter), session(session), layout(layout), g(geometry), marks(marks), clip(clip)
    {
    }

    void run()
    {
        p.save();
        p.setClipRect(clip);
        p.fillRect(clip, Background);
        const QRect time(g.timeLeft() - PointOverhang, 0, g.timeWidth() + PointOverhang, g.height());
        const QRect area = clip & time;
        if (!area.isEmpty()) {
            p.save();
            p.setClipRect(area);
            paintBands(area);
            const auto [first, last] = passesBetween(layout, g, area.left(), area.right());
            paintPasses(first, last);
            paintSelection(first, last);
            paintLoops(area);
            paintAxis(area);
            paintCursor();
            paintDrag();
            p.restore();
        }
        if (clip.left() < g.timeLeft() - PointOverhang)
            paintScales();
        p.restore();
    }

private:
    double x(qint64 halfSeconds) const { return g.x(halfSeconds / 2.0); }

    void paintBands(const QRect &area)
    {
        const QRect lane = g.beatLane();
        const QList<FrequencyBand> &bands = frequencyBands();
        p.setPen(BandText);
        for (int i = 0; i < bands.size(); ++i) {
            const double top = g.beatY(bands.at(i).toHertz);
            const double bottom = i == 0 ? lane.bottom() + 1 : g.beatY(bands.at(i).fromHertz);
            if (i % 2 == 1)
                p.fillRect(QRectF(area.left(), top, area.width(), bottom - top), BandShade);
            // A name only where its band has room for it.
            if (bottom - top >= 12)
                p.drawText(QRectF(g.timeLeft() + 4, top, 120, bottom - top), Qt::AlignLeft | Qt::AlignVCenter,
                           QCoreApplication::translate("FrequencyBand", bands.at(i).name));
        }
        // The light lane starts dark; each pass paints its own light.
        p.fillRect(QRect(area.left(), g.lightLane().top(), area.width(), g.lightLane().height()), DarkLight);
        p.setPen(BoundaryColour);
        for (const QRect &lane : {g.beatLane(), g.soundLane(), g.lightLane()})
            p.drawLine(area.left(), lane.top(), area.right(), lane.top());
    }

    // Each layer in as few calls as it takes: a fitted session has far more
    // passes than pixels.
    void paintPasses(int first, int last)
    {
        const std::vector<TimelinePass> &passes = layout.passes();
        const bool few = last - first <= ManyPasses;
        paintLight(first, last);
        std::vector<QLineF> volume, intensity, pitch, beat, beat2, boundaries;
        for (int i = first; i < last; ++i) {
            const TimelinePass &pass = passes[size_t(i)];
            const double x0 = x(pass.start);
            const double x1 = x(pass.end());
            volume.emplace_back(x0, g.volumeY(pass.volumeFrom), x1, g.volumeY(pass.volumeTo));
            intensity.emplace_back(x0, g.intensityY(pass.intensityFrom), x1, g.intensityY(pass.intensityTo));
            const double pitchY = g.pitchY(session.cells.cell(pass.column, PitchRow).toDouble());
            pitch.emplace_back(x0, pitchY, x1, pitchY);
            beat.emplace_back(x0, g.beatY(pass.beat.start), x1, g.beatY(pass.beat.end));
            if (layout.isDual())
                beat2.emplace_back(x0, g.beatY(pass.beat2.start), x1, g.beatY(pass.beat2.end));
            if (x1 - x0 >= MarkWidth)
                boundaries.emplace_back(x1, g.beatLane().top(), x1, g.lightLane().bottom());
            else if (few)
                p.fillRect(QRectF(x0, g.beatLane().top(), MarkWidth, g.beatLane().height() / 4.0), BeatColour);
        }
        p.setPen(QPen(IntensityLine, 1));
        p.drawLines(intensity.data(), int(intensity.size()));
        paintVolume(first, last);
        p.setPen(QPen(VolumeLine, 1));
        p.drawLines(volume.data(), int(volume.size()));
        p.setPen(QPen(PitchColour, 1, Qt::DotLine));
        p.drawLines(pitch.data(), int(pitch.size()));
        p.setPen(BoundaryColour);
        p.drawLines(boundaries.data(), int(boundaries.size()));
        p.setRenderHint(QPainter::Antialiasing, few);
        p.setPen(QPen(BeatColour, 2));
        p.drawLines(beat.data(), int(beat.size()));
        p.setPen(QPen(Beat2Colour, 2, Qt::DashLine));
        p.drawLines(beat2.data(), int(beat2.size()));
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int i = first; i < last; ++i) {
            const TimelinePass &pass = passes[size_t(i)];
            const double x0 = x(pass.start);
            const double width = x(pass.end()) - x0;
            if (width >= PointRoom)
                paintPoints(pass, x0, x0 + width);
            if (width >= NumberRoom) {
                p.setPen(pass.firstPass ? Qt::black : RepeatText);
                p.drawText(QRectF(x0, g.beatLane().top(), width, 14), Qt::AlignCenter,
                           QString::number(pass.column + 1));
            }
            if (width >= LabelRoom)
                paintLabels(pass, x0, x0 + width);
        }
    }

    void paintPoints(const TimelinePass &pass, double x0, double x1)
    {
        p.setPen(QPen(BeatColour, 1));
        p.setBrush(Background);
        if (layout.isDual()) {
            p.drawEllipse(QPointF(x1, g.beatY(pass.beat.end)), 3, 3);
            p.setPen(QPen(Beat2Colour, 1));
            p.drawRect(QRectF(x1 - 3, g.beatY(pass.beat2.end) - 3, 6, 6));
        } else {
            p.drawEllipse(QPointF(x0, g.beatY(pass.beat.start)), 3, 3);
            if (pass.beat.start != pass.beat.end)
                p.drawRect(QRectF(x1 - 3, g.beatY(pass.beat.end) - 3, 6, 6));
        }
        p.setBrush(Qt::NoBrush);
    }

    // The area under the volume, one rectangle for a run of passes of the
    // same level.
    void paintVolume(int first, int last)
    {
        const std::vector<TimelinePass> &passes = layout.passes();
        const double bottom = g.soundLane().bottom() + 1;
        p.setPen(Qt::NoPen);
        p.setBrush(VolumeColour);
        int i = first;
        while (i < last) {
            const TimelinePass &pass = passes[size_t(i)];
            const double x0 = x(pass.start);
            double x1 = x(pass.end());
            int next = i + 1;
            if (pass.volumeFrom == pass.volumeTo) {
                while (next < last && passes[size_t(next)].volumeFrom == pass.volumeTo
                       && passes[size_t(next)].volumeTo == pass.volumeTo)
                    x1 = x(passes[size_t(next++)].end());
                const double top = g.volumeY(pass.volumeTo);
                p.fillRect(QRectF(x0, top, x1 - x0, bottom - top), VolumeColour);
            } else {
                const QPointF area[] = {{x0, bottom}, {x0, g.volumeY(pass.volumeFrom)},
                                        {x1, g.volumeY(pass.volumeTo)}, {x1, bottom}};
                p.drawPolygon(area, 4);
            }
            i = next;
        }
        p.setBrush(Qt::NoBrush);
    }

    // Brightness, one rectangle for a run of passes of the same level.
    void paintLight(int first, int last)
    {
        const QRect lane = g.lightLane();
        const std::vector<TimelinePass> &passes = layout.passes();
        int i = first;
        while (i < last) {
            const TimelinePass &pass = passes[size_t(i)];
            const double x0 = x(pass.start);
            double x1 = x(pass.end());
            const bool level = pass.intensityFrom == pass.intensityTo;
            int next = i + 1;
            while (level && next < last && passes[size_t(next)].intensityFrom == pass.intensityTo
                   && passes[size_t(next)].intensityTo == pass.intensityTo)
                x1 = x(passes[size_t(next++)].end());
            const QRectF rect(x0, lane.top(), x1 - x0, lane.height());
            if (level) {
                p.fillRect(rect, lightColour(pass.intensityTo));
            } else {
                QLinearGradient glide(rect.topLeft(), rect.topRight());
                glide.setColorAt(0, lightColour(pass.intensityFrom));
                glide.setColorAt(1, lightColour(pass.intensityTo));
                p.fillRect(rect, glide);
            }
            i = next;
        }
        paintFlashWarnings(first, last);
    }

    // Hatching where the light flashes at rates the session check flags: the
    // wider band lightly, the band of its warnings densely. Neighbouring
    // stretches are hatched as one.
    void paintFlashWarnings(int first, int last)
    {
        const QRect lane = g.lightLane();
        const double top = lane.top() + lane.height() / 2.0;
        const auto hatch = [&](const FlashBand &band, Qt::BrushStyle style, const QColor &colour) {
            const QBrush brush(colour, style);
            double left = 0;
            double right = -1;
            for (int i = first; i < last; ++i) {
                const TimelinePass &pass = layout.passes()[size_t(i)];
                if (pass.intensityTo <= 0 && pass.intensityFrom <= 0)
                    continue;
                FlashStretch stretch = stretchInBand(pass.beat, band);
                if (layout.isDual()) {
                    const FlashStretch other = stretchInBand(pass.beat2, band);
                    if (!other.isEmpty()) {
                        stretch = stretch.isEmpty() ? other
                                                    : FlashStretch{std::min(stretch.from, other.from),
                                                                   std::max(stretch.to, other.to)};
                    }
                }
                if (stretch.isEmpty())
                    continue;
                const double x0 = x(pass.start);
                const double width = x(pass.end()) - x0;
                const double from = x0 + stretch.from * width;
                if (from > right + 0.5) {
                    if (right > left)
                        p.fillRect(QRectF(left, top, right - left, lane.bottom() + 1 - top), brush);
                    left = from;
                }
                right = x0 + stretch.to * width;
            }
            if (right > left)
                p.fillRect(QRectF(left, top, right - left, lane.bottom() + 1 - top), brush);
        };
        hatch(FlashFlickerBand, Qt::BDiagPattern, FlickerHatch);
        hatch(FlashPeakBand, Qt::DiagCrossPattern, PeakHatch);
    }

    void paintLabels(const TimelinePass &pass, double x0, double x1)
    {
        const SessionGrid &cells = session.cells;
        // A glide shows where it starts and ends: either alone would mislead.
        const QString end = QString::number(pass.beat.end, 'g', 4);
        const QString hertz =
            pass.beat.start == pass.beat.end ? end : QString::number(pass.beat.start, 'g', 4) + u'\u2192' + end;
        const QString flash = QCoreApplication::translate("Timeline", "%1 Hz  duty %2  %3")
                                  .arg(hertz, cells.cell(pass.column, DutyCycleRow), cells.cell(pass.column, PhaseRow));
        const QRect lane = g.lightLane();
        const QRectF box(x0 + 3, lane.top() + 1, x1 - x0 - 6, 13);
        // Within its own segment, so that a segment repaints alone.
        const QString shown = p.fontMetrics().elidedText(flash, Qt::ElideRight, int(box.width()));
        p.fillRect(p.boundingRect(box, Qt::AlignLeft | Qt::AlignTop, shown).adjusted(-2, 0, 2, 0) & box,
                   QColor(255, 255, 255, 210));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, shown);
    }

    void paintSelection(int first, int last)
    {
        if (marks.selectedColumn < 0)
            return;
        for (int i = first; i < last; ++i) {
            const TimelinePass &pass = layout.passes()[size_t(i)];
            if (pass.column != marks.selectedColumn)
                continue;
            const QRectF rect(x(pass.start), g.beatLane().top(), std::max(1.0, x(pass.end()) - x(pass.start)),
                              g.lightLane().bottom() - g.beatLane().top());
            p.fillRect(rect, SelectionFill);
            p.setPen(QPen(SelectionEdge, pass.firstPass ? 2 : 1, pass.firstPass ? Qt::SolidLine : Qt::DashLine));
            p.drawRect(rect.adjusted(1, 1, -1, -1));
            if (x(pass.end()) - x(pass.start) >= PointRoom && marks.selectedRow != TimeRow) {
                const QPointF point = gripPoint(layout, g, i, marks.selectedRow);
                p.setPen(QPen(Qt::black, 2));
                p.drawEllipse(point, 6, 6);
            }
        }
    }

    void paintLoops(const QRect &area)
    {
        const QRect row = g.brackets();
        for (const TimelineLoop &loop : layout.loops()) {
            const double x0 = x(loop.start);
            const double x1 = x(loop.end);
            if (x1 < area.left() || x0 > area.right())
                continue;
            p.setPen(QPen(Qt::black, 1));
            const double y = row.bottom() - 3;
            p.drawLine(QPointF(x0 + 1, row.top() + 8), QPointF(x0 + 1, y));
            p.drawLine(QPointF(x0 + 1, y), QPointF(x1 - 1, y));
            p.drawLine(QPointF(x1 - 1, y), QPointF(x1 - 1, row.top() + 8));
            const QString times = u"\u00d7%1"_s.arg(loop.times);
            const QRectF label(x0, row.top(), std::max(24.0, x1 - x0), row.height() - 4);
            const QRectF back = p.boundingRect(label, Qt::AlignHCenter | Qt::AlignTop, times).adjusted(-2, 0, 2, 0);
            p.fillRect(back, Background);
            p.drawText(label, Qt::AlignHCenter | Qt::AlignTop, times);
        }
    }

    // Ticks about every 80 pixels, at a round number of seconds.
    void paintAxis(const QRect &area)
    {
        const QRect axis = g.axis();
        p.fillRect(QRect(area.left(), axis.top(), area.width(), axis.height()), ScaleFill);
        static const double steps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200};
        double step = steps[std::size(steps) - 1];
        for (const double candidate : steps) {
            if (candidate / g.secondsPerPixel() >= 80) {
                step = candidate;
                break;
            }
        }
        const double from = std::floor(g.secondsAt(area.left() - 60) / step) * step;
        const double to = std::min(g.secondsAt(area.right() + 1), g.sessionSeconds());
        p.setPen(Qt::black);
        for (double seconds = std::max(from, 0.0); seconds <= to; seconds += step) {
            const double at = g.x(seconds);
            p.drawLine(QPointF(at, axis.top()), QPointF(at, axis.top() + 4));
            const qint64 whole = std::llround(seconds);
            p.drawText(QRectF(at + 2, axis.top() + 2, 60, axis.height() - 2), Qt::AlignLeft | Qt::AlignTop,
                       u"%1:%2"_s.arg(whole / 60).arg(int(whole % 60), 2, 10, QChar(u'0')));
        }
    }

    void paintCursor()
    {
        if (marks.playSeconds < 0)
            return;
        const double at = g.x(marks.playSeconds);
        p.setPen(QPen(CursorColour, 2));
        p.drawLine(QPointF(at, g.brackets().top()), QPointF(at, g.axis().bottom()));
        const QPointF head[] = {{at - 5, 0}, {at + 5, 0}, {at, 7}};
        p.setBrush(CursorColour);
        p.drawPolygon(head, 3);
        p.setBrush(Qt::NoBrush);
    }

    void paintDrag()
    {
        const TimelineDrag *drag = marks.drag;
        if (!drag)
            return;
        const TimelinePass &pass = layout.passes()[size_t(drag->pass())];
        const int row = drag->grip().row;
        const double value = drag->proposal().entry.toDouble();
        QPointF at = gripPoint(layout, g, drag->pass(), row);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        if (row == TimeRow) {
            const auto length = TextNumbers::tryHalfSecondsOfTime(drag->proposal().entry);
            if (length)
                at.setX(x(pass.start + *length));
            p.drawLine(QPointF(at.x(), g.beatLane().top()), QPointF(at.x(), g.lightLane().bottom()));
        } else if (row == VolumeRow) {
            at.setY(g.volumeY(value));
        } else if (row == IntensityRow) {
            at.setY(g.intensityY(value));
        } else {
            at.setY(g.beatY(value));
        }
        p.drawLine(QPointF(at.x() - 12, at.y()), QPointF(at.x() + 12, at.y()));
        p.drawEllipse(at, 5, 5);
        const QString text = drag->valueText();
        QRectF box = p.boundingRect(QRectF(at.x() + 8, at.y() - 22, 300, 16), Qt::AlignLeft | Qt::AlignTop, text);
        box.adjust(-3, -1, 3, 1);
        p.fillRect(box, QColor(255, 255, 225));
        p.setPen(Qt::black);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, text);
    }

    void paintScales()
    {
        const QRect scale(0, 0, g.timeLeft() - PointOverhang, g.height());
        p.fillRect(scale, ScaleFill);
        p.setPen(Qt::black);
        // A tick at every list entry shown, a number where it has room.
        double labelled = -TickLabelRoom;
        for (const QString &entry : ValueLists::FreqList) {
            const double hertz = TextNumbers::tryDecimal(entry).value_or(0);
            if (hertz < g.lowestBeat() || hertz > g.highestBeat())
                continue;
            const double y = g.beatY(hertz);
            p.drawLine(QPointF(scale.right() - 2, y), QPointF(scale.right(), y));
            // Clear of the last number and of the lane's name above them.
            if (std::abs(y - labelled) < TickLabelRoom || y < g.beatLane().top() + 2 * TickLabelRoom)
                continue;
            labelled = y;
            p.drawLine(QPointF(scale.right() - 4, y), QPointF(scale.right(), y));
            p.drawText(QRectF(0, y - 7, scale.width() - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(hertz));
        }
        const auto laneName = [&](const QRect &lane, const QString &name) {
            p.drawText(QRectF(2, lane.top() + 2, scale.width() - 4, 14), Qt::AlignLeft | Qt::AlignTop, name);
        };
        laneName(g.beatLane(),
                 QCoreApplication::translate("Timeline", "Hz", "lane name, at most about 40 pixels wide"));
        laneName(g.soundLane(),
                 QCoreApplication::translate("Timeline", "Sound", "lane name, at most about 40 pixels wide"));
        laneName(g.lightLane(),
                 QCoreApplication::translate("Timeline", "Light", "lane name, at most about 40 pixels wide"));
    }

    QPainter &p;
    const Session &session;
    const TimelineLayout &layout;
    const TimelineGeometry &g;
    const TimelineMarks &marks;
    const QRect clip;
};
} // namespace

void paintTimeline(QPainter &painter, const Session &session, const TimelineLayout &layout,
                   const TimelineGeometry &geometry, const TimelineMarks &marks, const QRect &clip)
{
    Painting(painter, session, layout, geometry, marks, clip).run();
}
