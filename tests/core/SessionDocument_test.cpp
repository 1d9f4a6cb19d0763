// The modified flag follows the document, steps of one cell merge, and every
// edit, undo and redo says what it changed.
#include "core/session/SessionDocument.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
void setTime(SessionDocument &document, int column, const char *time)
{
    const EditStep step{u"step"_s, {column, 1}, 0, EditStep::ValueStep};
    document.edit(step, [&](Session &session) {
        session.cells.setCell(column, 1, QString::fromLatin1(time));
        document.markModified();
    });
}

Session sessionOf(int segments)
{
    Session session;
    session.cells.setColumnCount(segments);
    for (int column = 0; column < segments; ++column)
        session.cells.setCell(column, 1, QString::number(column));
    return session;
}
} // namespace

TEST(SessionDocument, IsModifiedExactlyWhenItDiffersFromTheSavedSession)
{
    SessionDocument document;
    const struct
    {
        const char *action;
        std::function<void()> run;
        bool modified;
    } script[] = {
        {"edit", [&] { setTime(document, 0, "0:10.0"); }, true},
        {"undo to what was read", [&] { document.undo(); }, false},
        {"redo", [&] { document.redo(); }, true},
        {"save", [&] { document.markSaved(); }, false},
        {"undo past the save", [&] { document.undo(); }, true},
        {"redo to the save", [&] { document.redo(); }, false},
        {"a step that changes nothing still marks", [&] {
             document.edit({u"none"_s}, [&](Session &) { document.markModified(); });
         }, true},
        {"edit and undo keep the mark", [&] {
             setTime(document, 0, "0:20.0");
             document.undo();
         }, true},
        {"a refused edit marks nothing", [&] {
             document.markSaved();
             document.edit({u"refused"_s}, [](Session &) {});
         }, false},
        {"another session", [&] {
             setTime(document, 0, "0:30.0");
             document.replace(Session(), false);
         }, false},
    };
    for (const auto &step : script) {
        step.run();
        EXPECT_EQ(document.isModified(), step.modified) << step.action;
    }
    EXPECT_FALSE(document.canUndo());
}

TEST(SessionDocument, StepsOfOneCellInARowAreOneUndoStep)
{
    SessionDocument document(sessionOf(2));
    for (const char *time : {"0:10.0", "0:20.0", "0:30.0"})
        setTime(document, 0, time);
    setTime(document, 1, "0:40.0");
    setTime(document, 0, "0:50.0");
    EXPECT_EQ(document.undoCount(), 3);
    document.undo();
    document.undo();
    EXPECT_EQ(document.cells().cell(0, 1), u"0:30.0"_s);
    document.undo();
    EXPECT_EQ(document.cells().cell(0, 1), u"0"_s);
}

// Whatever shows the session hears the same of an edit, its undo and its redo.
TEST(SessionDocument, EveryChangeIsAnnounced)
{
    using Change = std::function<void(Session &)>;
    const struct
    {
        const char *name;
        Change change;
        QStringList done;   // the signals of the edit and of its redo
        QStringList undone; // of its undo
    } cases[] = {
        {"one cell", [](Session &s) { s.cells.setCell(2, 4, u"x"_s); }, {u"cells 2-2"_s}, {u"cells 2-2"_s}},
        {"cells of two segments", [](Session &s) { s.cells.setCell(1, 4, u"x"_s); s.cells.setCell(3, 4, u"x"_s); },
         {u"cells 1-3"_s}, {u"cells 1-3"_s}},
        {"a segment added at the end", [](Session &s) { s.cells.setColumnCount(6); },
         {u"inserted 5-5"_s}, {u"removed 5-5"_s}},
        {"a segment put before segment 3", [](Session &s) { s.cells.shiftRightFrom(2); s.cells.setCell(2, 1, u"n"_s); },
         {u"inserted 2-2"_s}, {u"removed 2-2"_s}},
        {"segment 2 cut", [](Session &s) { s.cells.shiftLeftOnto(1); }, {u"removed 1-1"_s}, {u"inserted 1-1"_s}},
        {"the name", [](Session &s) { s.name = u"n"_s; }, {u"name n"_s}, {u"name "_s}},
        {"the description", [](Session &s) { s.descriptionLines = {u"d"_s}; }, {u"description"_s},
         {u"description"_s}},
        {"the kind", [](Session &s) { s.kind = DualBinauralSession; }, {u"kind 1"_s}, {u"kind 0"_s}},
        {"nothing", [](Session &) {}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SessionDocument document(sessionOf(5));
        QStringList heard;
        const auto range = [&](const char *what) {
            return [&heard, what](int first, int last) { heard << u"%1 %2-%3"_s.arg(QLatin1String(what)).arg(first).arg(last); };
        };
        QObject::connect(&document, &SessionDocument::cellsChanged, range("cells"));
        QObject::connect(&document, &SessionDocument::segmentsInserted, range("inserted"));
        QObject::connect(&document, &SessionDocument::segmentsRemoved, range("removed"));
        QObject::connect(&document, &SessionDocument::nameChanged, [&](const QString &name) { heard << u"name "_s + name; });
        QObject::connect(&document, &SessionDocument::descriptionChanged, [&] { heard << u"description"_s; });
        QObject::connect(&document, &SessionDocument::kindChanged, [&](int kind) { heard << u"kind %1"_s.arg(kind); });
        QObject::connect(&document, &SessionDocument::edited, [&](const EditStep &step) { heard << u"edited "_s + step.text; });
        QSignalSpy grid(&document, &SessionDocument::gridChanged);
        const bool cellsMove = !c.done.isEmpty() && !c.done.first().startsWith(u"name"_s)
            && !c.done.first().startsWith(u"description"_s) && !c.done.first().startsWith(u"kind"_s);

        const QStringList edited = c.done + QStringList(u"edited e"_s);
        document.edit({u"e"_s}, c.change);
        EXPECT_EQ(heard, edited);
        heard.clear();
        document.undo();
        EXPECT_EQ(heard, c.done.isEmpty() ? QStringList() : c.undone + QStringList(u"edited e"_s));
        heard.clear();
        document.redo();
        EXPECT_EQ(heard, c.done.isEmpty() ? QStringList() : edited);
        EXPECT_EQ(grid.count(), cellsMove ? 3 : 0) << "once for the edit, its undo and its redo";
    }
}

TEST(SessionDocument, AnotherSessionIsAnnouncedAsAWhole)
{
    SessionDocument document(sessionOf(3));
    QSignalSpy replaced(&document, &SessionDocument::replaced);
    QSignalSpy fileName(&document, &SessionDocument::fileNameChanged);
    QSignalSpy modified(&document, &SessionDocument::modifiedChanged);
    setTime(document, 0, "0:10.0");
    Session read = sessionOf(7);
    read.fileName = u"/a.LSS"_s;
    document.replace(read, false);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(fileName.count(), 1);
    EXPECT_EQ(modified.count(), 2); // by the edit, and back
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(document.cells().columnCount(), 7);
}
