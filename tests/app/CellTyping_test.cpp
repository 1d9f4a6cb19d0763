// Typing values into the session table, through keys in the real window.
#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ActiveWindowTest.h"
#include "TestSupport.h"
#include "UserInput.h"

#include "app/CellValueEditor.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class CellTypingTest : public ActiveWindowTest
{
protected:
    void SetUp() override
    {
        ActiveWindowTest::SetUp();
        showSession(sessionOfDefaultSegments(PulsedSession, 4));
    }

    // Keys go where the user's would: to the focused widget.
    void type(const QString &text)
    {
        for (const QChar c : text)
            typeKey(QApplication::focusWidget(), c.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        typeKey(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }
    CellValueEditor *editor() { return qobject_cast<CellValueEditor *>(QApplication::focusWidget()); }
    void selectRange(int left, int right, int row)
    {
        window.selectCell({left, row});
        QAbstractItemModel *model = window.sessionTable()->model();
        window.sessionTable()->selectionModel()->select(QItemSelection(model->index(row, left), model->index(row, right)),
                                                        QItemSelectionModel::Select);
    }
    QString cell(int column, int row) { return window.session().cells.cell(column, row); }

};

struct TypingCase
{
    int row;
    Qt::Key opens;     // Qt::Key_unknown: the first character typed opens the editor
    const char *typed;
    const char *preview;
    Qt::Key ends;
    const char *after; // the cell afterwards
    const char *error;
};

const TypingCase typingCases[] = {
    {StartFreqRow, Qt::Key_unknown, "8", "\u2192 8.0", Qt::Key_Return, "8.0", nullptr},
    {StartFreqRow, Qt::Key_unknown, "8.3", "\u2192 8.5", Qt::Key_Enter, "8.5", nullptr},
    {TimeRow, Qt::Key_unknown, "7:10", "\u2192 7:00.0", Qt::Key_Return, "7:00.0", nullptr},
    {TimeRow, Qt::Key_unknown, "10", "\u2192 10:00.0", Qt::Key_Return, "10:00.0", nullptr},
    {TimeRow, Qt::Key_unknown, "90s", "\u2192 1:30.0", Qt::Key_Return, "1:30.0", nullptr},
    {TimeRow, Qt::Key_unknown, "0:0", "\u2192 0:00.5", Qt::Key_Return, "0:00.5", nullptr},
    {StartFreqRow, Qt::Key_unknown, "xyz", "?", Qt::Key_Return, "7.83", "Start Freq takes a number from 0.25 to 42.0"},
    {StartFreqRow, Qt::Key_unknown, "9", "\u2192 9.0", Qt::Key_Escape, "7.83", nullptr},
    {VIRampRow, Qt::Key_F2, "n", "\u2192 none", Qt::Key_Return, "none", nullptr},
    {VIRampRow, Qt::Key_Return, "S", "\u2192 seg", Qt::Key_Tab, "seg", nullptr},
    {PhaseRow, Qt::Key_F2, "fb", "\u2192 FB", Qt::Key_Return, "FB", nullptr},
    {ChordRow, Qt::Key_F2, "3", "?", Qt::Key_Return, "", "Chord is empty unless the Tone is PCh"},
};

TEST_F(CellTypingTest, TypedTextBecomesTheNearestEntry)
{
    for (const TypingCase &c : typingCases) {
        SCOPED_TRACE(c.typed);
        window.document().replace(sessionOfDefaultSegments(PulsedSession, 4), false);
        prompter.errors.clear();
        window.selectCell({1, c.row});
        const QString before = cell(1, c.row);
        if (c.opens != Qt::Key_unknown)
            press(c.opens);
        type(QString::fromUtf8(c.typed));
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(editor()->preview(), QString::fromUtf8(c.preview));
        EXPECT_GE(editor()->previewWidth(), editor()->fontMetrics().horizontalAdvance(editor()->preview()));
        press(c.ends);
        QCoreApplication::processEvents();
        EXPECT_EQ(editor(), nullptr);
        EXPECT_EQ(cell(1, c.row), QString::fromLatin1(c.after));
        EXPECT_EQ(prompter.errors, c.error ? QStringList{QString::fromLatin1(c.error)} : QStringList());
        EXPECT_EQ(window.document().undoCount(), cell(1, c.row) == before ? 0 : 1);
        // Tab moves one cell right, Enter stays.
        EXPECT_EQ(window.selectedCell().column, c.ends == Qt::Key_Tab ? 2 : 1);
        EXPECT_EQ(window.session().cells.columnCount(), 4);
    }
}

TEST_F(CellTypingTest, SelectionTakesTypedValuesAndStepsInOneUndoStep)
{
    selectRange(1, 3, StartFreqRow);
    type(u"8"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(window.document().undoCount(), 1);
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(cell(column, StartFreqRow), u"8.0"_s);
    EXPECT_EQ(window.readSelection().right, 3);

    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(window.document().undoCount(), 2);
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(cell(column, StartFreqRow), u"8.5"_s);
    EXPECT_EQ(cell(0, StartFreqRow), u"7.83"_s);

    // "+" keeps to the top-left cell.
    type(u"+"_s);
    EXPECT_EQ(cell(1, StartFreqRow), u"9.0"_s);
    EXPECT_EQ(cell(2, StartFreqRow), u"8.5"_s);

    window.undo();
    window.undo();
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(cell(column, StartFreqRow), u"8.0"_s);
    EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join(u", "_s);
}

TEST_F(CellTypingTest, PasteTextReplacesFromTheSelectedSegment)
{
    QGuiApplication::clipboard()->setText(u"9\t2:00.0\tbb\t8.3\t240\t\t\tIN\t50\t100\t100\tnone\t\t0\t0\n"_s);
    window.selectCell({3, PitchRow});
    press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.session().cells.column(3)[TimeRow], u"2:00.0"_s);
    EXPECT_EQ(cell(3, StartFreqRow), u"8.5"_s);
    EXPECT_EQ(window.session().cells.columnCount(), 4);
    EXPECT_EQ(window.document().undoText(), u"Paste Text at Segment 4"_s);
    EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join(u", "_s);
}
} // namespace

TEST_F(CellTypingTest, TypingOverASelectionLeavesTheCurrentCellWhereItWas)
{
    window.selectCell({1, StartFreqRow});
    press(Qt::Key_Right, Qt::ShiftModifier);
    press(Qt::Key_Right, Qt::ShiftModifier);
    type(u"8"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(window.sessionTable()->currentIndex().column(), 3);
    EXPECT_EQ(window.readSelection().left, 1);
    EXPECT_EQ(window.readSelection().right, 3);
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(cell(column, StartFreqRow), u"8.0"_s);
}
