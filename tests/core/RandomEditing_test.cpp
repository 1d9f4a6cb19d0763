#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "RecordingView.h"
#include "TestSupport.h"

#include "core/session/ConversionError.h"
#include "core/session/Prompter.h"
#include "core/session/SegmentClipboard.h"
#include "core/session/SegmentCommands.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueLists.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {
// A user who answers every question at random and whose messages are kept.
class RandomPrompter : public Prompter
{
public:
    explicit RandomPrompter(std::mt19937 &random)
        : mRandom(random)
    {
    }
    void error(const QString &text) override { errors.append(text); }
    void information(const QString &text) override { errors.append(text); }
    bool confirmYesNo(const QString &) override { return lastAnswer = mRandom() % 2; }
    bool confirmOkCancel(const QString &) override { return lastAnswer = mRandom() % 4 != 0; }
    QString inputBox(const QString &, const QString &, const QString &initial) override
    {
        static const char *entries[] = {"", "0", "1", "2", "3", "5", "8", "15", "16", "-3", "x", " 4", "99", "1e2"};
        const size_t pick = mRandom() % (std::size(entries) + 1);
        return pick == std::size(entries) ? initial : QString::fromLatin1(entries[pick]);
    }
    void beep() override {}
    void setBusy(bool) override {}

    QStringList errors;
    bool lastAnswer = false;

private:
    std::mt19937 &mRandom;
};

int randomIndex(std::mt19937 &random, int size)
{
    return int(random() % unsigned(size));
}

QString randomEntry(std::mt19937 &random, const QStringList &list)
{
    return list.at(randomIndex(random, int(list.size())));
}

// Mostly small sessions, some at the 1000-segment limit; values on and off
// the lists, in any case, and loops wherever they fit.
Session randomSession(std::mt19937 &random)
{
    using namespace ValueLists;
    const SessionKind kind = SessionKind(randomIndex(random, 2));
    const int sizes[] = {1, 2, 3, 5, 8, 13, 21, 40, 120, SessionGrid::MaxSegments - 2, SessionGrid::MaxSegments};
    const int count = sizes[randomIndex(random, int(std::size(sizes)))];
    Session session = sessionOfDefaultSegments(kind, count, {{TimeRow, u"0:10.0"_s}});
    const bool dual = kind == DualBinauralSession;
    const QStringList oddTexts = {u"50"_s, u"pch"_s, u"X"_s, QString(), u"irh"_s, u"7.7"_s};
    const QStringList rows[] = {TimeList,
                                dual ? DualToneList : PulsedToneList + QStringList{u"PCh"_s},
                                FreqList,
                                PitchList,
                                dual ? FreqList : TargetFreqList,
                                dual ? Pitch2List : ChordList,
                                dual ? DualPhaseList : PulsedPhaseList,
                                DutyList,
                                LevelList,
                                LevelList,
                                VIRampList,
                                DbbRampList};
    for (int column = 0; column < count; ++column) {
        for (int row = TimeRow; row <= DbbRampRow; ++row) {
            const bool odd = row > TimeRow && random() % 10 == 0;
            const QStringList &choices = odd ? oddTexts : rows[row - TimeRow];
            session.cells.setCell(column, row, randomEntry(random, choices));
        }
    }
    for (int column = 0; column < count;) {
        const int n = 1 + randomIndex(random, 15);
        if (random() % 4 == 0 && column + n <= count) {
            putLoop(session.cells, column, n, 2 + randomIndex(random, 14));
            column += n;
        } else {
            ++column;
        }
    }
    return session;
}

enum Command { StepUp, StepDown, New, Copy, Cut, Paste, Insert, CommandCount };

const QStringList refusals = {u"Max 1000 Segments"_s,        u"Cannot delete segment 1"_s,
                              u"Cannot insert segment 1"_s,  u"Cannot delete inside loop"_s,
                              u"Cannot paste inside loop"_s, u"Cannot insert inside loop"_s,
                              u"In Existing loop"_s,         u"Not at loop start"_s,
                              u"Loop includes last segment"_s, u"Loop overlap"_s};

bool anyRefusal(const QStringList &errors)
{
    for (const QString &error : errors) {
        if (refusals.contains(error))
            return true;
    }
    return false;
}

void run(Command command, const SessionContext &context, const CellPos &cell, SegmentClipboard &clipboard)
{
    switch (command) {
    case StepUp: stepValue(context, cell, StepDirection::Up); break;
    case StepDown: stepValue(context, cell, StepDirection::Down); break;
    case New: newSegment(context); break;
    case Copy: copySegment(context.document.cells(), cell.column, clipboard); break;
    case Cut: cutSegment(context, cell.column, clipboard); break;
    case Paste: pasteSegment(context, cell.column, clipboard); break;
    case Insert: insertSegment(context, cell.column); break;
    case CommandCount: break;
    }
}

// The part of a session that undo restores, as text.
QStringList dataOf(const Session &session)
{
    QStringList data{session.name, QString::number(session.kind)};
    data += session.descriptionLines;
    for (int column = 0; column < session.cells.columnCount(); ++column) {
        const SessionGrid::Column cells = session.cells.column(column);
        data += QStringList(cells.begin(), cells.end());
    }
    return data;
}

// Whatever the user does, the segments stay numbered 1..N with 1 <= N <= 1000
// and the loop rows stay a valid encoding; a refused command changes nothing.
// Undoing every step gives back the session as it was, redoing every step
// the session as it ended.
TEST(RandomEditing, KeepsTheSessionValidAndEveryStepUndoable)
{
    int commandsRun = 0;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        std::mt19937 random(seed);
        Session start = randomSession(random);
        start.name = u"named"_s;
        start.descriptionLines = {u"first"_s};
        SessionDocument document(start);
        const Session &session = document.session();
        const QStringList original = dataOf(session);
        ASSERT_EQ(sessionInvariantFault(session.cells), QString()) << "seed " << seed;
        RandomPrompter prompter(random);
        RecordingView view(document);
        const SessionContext context{document, prompter, view};
        SegmentClipboard clipboard;
        for (int step = 0; step < 400; ++step, ++commandsRun) {
            // Stepping is half the work, and loop rows a third of the stepping.
            const int pick = randomIndex(random, 2 * CommandCount);
            const Command command = pick >= CommandCount ? Command(pick % 2) : Command(pick);
            const int row =
                random() % 3 == 0 ? LoopSegsRow + randomIndex(random, 2) : TimeRow + randomIndex(random, 14);
            const CellPos cell{randomIndex(random, session.cells.columnCount()), row};
            const SessionGrid before = session.cells;
            const bool modifiedBefore = document.isModified();
            prompter.errors.clear();
            prompter.lastAnswer = false;
            try {
                run(command, context, cell, clipboard);
            } catch (const ConversionError &e) {
                FAIL() << "seed " << seed << " step " << step << ": " << e.message();
            }

            const QString fault = sessionInvariantFault(session.cells);
            ASSERT_EQ(fault, QString()) << "seed " << seed << " step " << step << " command " << command;
            const bool refused = anyRefusal(prompter.errors);
            if (refused) {
                ASSERT_TRUE(sameCells(session.cells, before)) << "seed " << seed << " step " << step;
                if (command != StepUp && command != StepDown) {
                    ASSERT_EQ(document.isModified(), modifiedBefore);
                }
            }
            int grown = 0;
            if (!refused && (command == New || command == Paste || command == Insert))
                grown = 1;
            if (!refused && command == Cut && prompter.lastAnswer)
                grown = -1;
            ASSERT_EQ(session.cells.columnCount(), before.columnCount() + grown)
                << "seed " << seed << " step " << step << " command " << command;
            if (step % 97 == 0)
                document.edit({u"Name Session"_s}, [](Session &named) { named.name += u"+"_s; });
        }
        const QStringList final = dataOf(session);
        while (document.canUndo())
            document.undo();
        EXPECT_EQ(dataOf(session), original) << "seed " << seed;
        while (document.canRedo())
            document.redo();
        EXPECT_EQ(dataOf(session), final) << "seed " << seed;
    }
    EXPECT_EQ(commandsRun, 24 * 400);
}
} // namespace
