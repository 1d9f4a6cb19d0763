#pragma once

#include "app/QtPrompter.h"
#include "views/GraphKind.h"

#include <QImage>
#include <QMainWindow>

class FrequencyScaleStrip;
class QLabel;
class QScrollArea;
class SessionGrid;

// The graph window: the session's frequency as a segment graph or a time
// graph. While it shows, the main window is hidden.
class TForm4 : public QMainWindow
{
    Q_OBJECT
public:
    // Reads the session from cells; shows mainWindow again when it closes.
    TForm4(QWidget &mainWindow, const SessionGrid &cells, QWidget *parent = nullptr);

    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }

    // Graph state, kept for the life of the program
    GraphKind GraphMode = GraphKind::Segment;
    QString GraphSessionName;
    int GraphTotalSeconds = 0;
    QImage GraphBitmap;

    // Controls
    FrequencyScaleStrip *ScaleStrip;
    QScrollArea *ScrollBox1;
    QLabel *Image;
    QMenu *GraphicControl1;
    QAction *TimeGraph1;
    QAction *SegmentGraph1;
    QAction *Spreadsheet1;

    // Handlers
    void formactive();
    void TimeGraph1Click();
    void SegmentGraph1Click();
    void spreadsheetclick();
    void formclose();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createControls();
    void createMenus();
    void drawGraph();
    void reportError(const QString &text);
    void redrawIfFrameChanged();

    QWidget &mMainWindow;
    const SessionGrid &mCells;
    QtPrompter mQtPrompter;
    Prompter *mPrompter;
    QSize mDrawnFrame;             // the outer size at the last drawing
    bool mDrawing = false;
    bool mDrawingFailed = false;
    bool mRedrawQueued = false;
    bool mReportingError = false;
    bool mAwayForErrorBox = false; // the error box, not the user, took the focus
};
