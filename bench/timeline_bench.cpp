// The timeline of a 1000-segment session with loops in its window at
// 1400 x 400, offscreen: a full repaint, the work of a one-segment edit
// (the edit announced, the changed part repainted) against the same edit
// with the timeline closed, a step of a drag (pointer moved, repainted), and
// the memory the open timeline takes. The reference paints a widget of the
// same size that only fills itself.
#include "support/WalkingSession.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/timeline/TimelineView.h"
#include "app/timeline/TimelineWindow.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueLists.h"
#include "core/timeline/TimelineGrip.h"
#include "support/SilentPrompter.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr QSize ViewSize(1400, 400);

// Every 50 segments a loop of 10 segments played 5 times: 1800 passes.
Session loopedSession()
{
    Session session = walkingSession(PulsedSession, SessionGrid::MaxSegments);
    for (int column = 0; column < SessionGrid::MaxSegments; ++column) {
        const int inBlock = column % 50;
        session.cells.setCell(column, LoopSegsRow, inBlock == 10 ? u"10"_s : u"0"_s);
        session.cells.setCell(column, LoopTimesRow, inBlock >= 10 && inBlock < 20 ? u"5"_s : u"0"_s);
    }
    return session;
}

qint64 residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// The program's windows with the session shown, the timeline closed.
struct Program
{
    Program()
    {
        windows.mainWindow->setPrompter(prompter);
        windows.mainWindow->document().replace(loopedSession(), false);
        windows.mainWindow->setSessionShown(true);
        windows.mainWindow->show();
    }
    void openTimeline()
    {
        windows.timelineWindow->setShown(true);
        view().resize(ViewSize);
        QApplication::processEvents();
    }
    TimelineView &view() { return *windows.timelineWindow->view(); }
    // Volume of segment 500 (inside no loop) between two entries.
    void editOneSegment(int step)
    {
        SessionDocument &document = windows.mainWindow->document();
        document.edit({u"bench"_s, {499, VolumeRow}}, [step](Session &session) {
            session.cells.setCell(499, VolumeRow, step % 2 ? u"70"_s : u"85"_s);
        });
        // The repaint the edit asked for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QApplication::processEvents();
    }

    SilentPrompter prompter;
    MirandelWindows windows{QStringList()};
};

void fullRepaint(benchmark::State &state)
{
    Program program;
    program.openTimeline();
    for (auto _ : state)
        program.view().repaint();
    state.counters["passes"] = double(program.view().layout().passes().size());
}
BENCHMARK(fullRepaint)->Unit(benchmark::kMillisecond);

// The reference: a widget as large that fills itself.
class FilledWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::white); }
};

void referenceRepaint(benchmark::State &state)
{
    FilledWidget widget;
    widget.resize(ViewSize);
    widget.show();
    QApplication::processEvents();
    for (auto _ : state)
        widget.repaint();
}
BENCHMARK(referenceRepaint)->Unit(benchmark::kMillisecond);

void oneSegmentEdit(benchmark::State &state, bool timelineOpen)
{
    Program program;
    if (timelineOpen)
        program.openTimeline();
    int step = 0;
    for (auto _ : state)
        program.editOneSegment(++step);
}

void editWithTimeline(benchmark::State &state)
{
    oneSegmentEdit(state, true);
}
BENCHMARK(editWithTimeline)->Unit(benchmark::kMillisecond);

void editWithTimelineClosed(benchmark::State &state)
{
    oneSegmentEdit(state, false);
}
BENCHMARK(editWithTimelineClosed)->Unit(benchmark::kMillisecond);

// A segment's beat point dragged between two entries; each step moves the
// pointer and repaints what the drag changed.
void dragStep(benchmark::State &state)
{
    Program program;
    program.openTimeline();
    TimelineView &view = program.view();
    view.zoom(8);
    const int pass = view.layout().passAt(view.geometry().secondsAt(700) * 2);
    const QPoint from = gripPoint(view.layout(), view.geometry(), pass, StartFreqRow).toPoint();
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    int step = 0;
    for (auto _ : state) {
        const double hertz = ++step % 2 ? 12 : 30;
        QTest::mouseMove(&view, QPoint(from.x(), int(view.geometry().beatY(hertz))));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QApplication::processEvents();
    }
    QTest::keyClick(&view, Qt::Key_Escape);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from);
}
BENCHMARK(dragStep)->Unit(benchmark::kMillisecond);

// What opening the timeline adds to the resident memory.
void openTimelineMemory(benchmark::State &state)
{
    Program program;
    qint64 added = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const qint64 before = residentKilobytes();
        program.openTimeline();
        program.view().repaint();
        added = residentKilobytes() - before;
    }
    state.counters["added_MB"] = double(added) / 1024;
}
BENCHMARK(openTimelineMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
