// The check the window keeps across edits finds what a fresh check finds,
// in the same order, after every kind of change.
#include "DefaultSegments.h"

#include "core/check/SessionChecker.h"
#include "core/device/DeviceInfo.h"
#include "core/session/SessionRows.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(SessionChecker, FindsWhatAFreshCheckFindsAfterEachEdit)
{
    const struct
    {
        const char *what;
        std::function<void(Session &)> edit;
    } edits[] = {
        {"nothing changed", [](Session &) {}},
        {"a segment flashing at 20 Hz", [](Session &s) { s.cells.setCell(3, StartFreqRow, u"20.0"_s); }},
        {"a tone no list holds", [](Session &s) { s.cells.setCell(5, ToneRow, u"xx"_s); }},
        {"a loop over the flashing segment",
         [](Session &s) {
             s.cells.setCell(2, LoopSegsRow, u"2"_s);
             s.cells.setCell(2, LoopTimesRow, u"3"_s);
         }},
        {"a loop past the end", [](Session &s) { s.cells.setCell(11, LoopSegsRow, u"4"_s); }},
        {"a segment inserted before the faulty ones", [](Session &s) { s.cells.shiftRightFrom(1); }},
        {"a segment removed", [](Session &s) { s.cells.shiftLeftOnto(0); }},
        {"the light off where it flashed", [](Session &s) { s.cells.setCell(3, IntensityRow, u"0"_s); }},
        {"a time that is not a number", [](Session &s) { s.cells.setCell(7, TimeRow, u"x"_s); }},
        {"a shorter session", [](Session &s) { s.cells.setColumnCount(6); }},
        {"silent but for one segment",
         [](Session &s) {
             for (int column = 0; column < s.cells.columnCount(); ++column)
                 s.cells.setCell(column, VolumeRow, column == 4 ? u"14"_s : u"0"_s);
         }},
        {"silent throughout", [](Session &s) { s.cells.setCell(4, VolumeRow, u"0"_s); }},
        {"the other kind", [](Session &s) { s.kind = DualBinauralSession; }},
    };
    Session session = sessionOfDefaultSegments(PulsedSession, 12, {{StartFreqRow, u"18.0"_s}});
    DeviceInfo device;
    device.sessionsAvailable = 1;
    device.segmentsAvailable = 8;
    SessionChecker checker;
    for (const auto &e : edits) {
        SCOPED_TRACE(e.what);
        e.edit(session);
        const QList<SessionProblem> fresh = checkSession(session, &device);
        EXPECT_EQ(checker.check(session, &device), fresh);
        EXPECT_FALSE(fresh.isEmpty());
    }
}
