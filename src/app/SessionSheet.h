#pragma once

#include "core/session/SessionEditor.h"
#include "core/session/ValueStepping.h"

#include <QObject>
#include <array>

class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;
class SessionGridModel;

// The session as the main window shows it: the row labels, the session
// table, the New Segment, Up and Down buttons and the timing panel, placed
// on the window's client area. The table shows the editor's selection and
// hands the user's on to it.
class SessionSheet : public QObject
{
    Q_OBJECT
public:
    SessionSheet(SessionEditor &editor, SessionGridModel &model, QWidget *client, int gridWidth);

    QTableView *table() const { return mTable; }
    QTableWidget *rowLabels() const { return mRowLabels; }
    QPlainTextEdit *timingPanel() const { return mTimingPanel; }
    QPushButton *newSegmentButton() const { return mNewSegmentButton; }
    QPushButton *upButton() const { return mUpButton; }
    QPushButton *downButton() const { return mDownButton; }

    // New Segment, scrolled so that the last segment shows.
    void addSegment();
    // Up and Down: the selected cell one step, the grid focused.
    void step(StepDirection direction);
    void setVisible(bool visible);
    void setGridWidth(int width);
    void focusGrid();
    // Scroll so that the last segment is in view.
    void scrollToLastSegment();
    int buttonRowBottom() const;

    static constexpr int RowLabelWidth = 91;
    static constexpr int ColumnWidth = 60;

private:
    void createTable(QWidget *client, int gridWidth);
    void createButtons(QWidget *client);
    void createTimingPanel(QWidget *client);
    std::array<QWidget *, 6> controls() const;
    void showRowLabels();
    void showTiming();
    // The editor's selection, when it did not come from the table.
    void showSelection();
    void takeSelection(SessionEditor::Source source);

    SessionEditor &mEditor;
    SessionGridModel &mModel;
    QTableWidget *mRowLabels;
    QTableView *mTable;
    QPushButton *mNewSegmentButton;
    QPushButton *mUpButton;
    QPushButton *mDownButton;
    QPlainTextEdit *mTimingPanel;
    bool mTaking = false;  // the selection goes from the table to the editor
    bool mShowing = false; // and the other way
};
