#pragma once

#include "session/forms/QtPrompter.h"
#include "views/GraphKind.h"

#include <QImage>
#include <QMainWindow>

class FrequencyScaleStrip;
class QLabel;
class QScrollArea;
class SessionGrid;

// The graph window: the session's frequency as a segment graph or a time
// graph. While it shows, the main window is hidden.
class GraphWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Reads the session from cells; shows mainWindow again when it closes.
    GraphWindow(QWidget &mainWindow, const SessionGrid &cells, QWidget *parent = nullptr);

    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }

    // What the next drawing shows; the mode is kept between openings.
    void setGraph(GraphKind mode, const QString &sessionName, int totalSeconds);
    GraphKind mode() const { return mMode; }
    int totalSeconds() const { return mTotalSeconds; }
    // The last drawing; null after the window closed.
    const QImage &bitmap() const { return mBitmap; }

    // Controls, for tests
    FrequencyScaleStrip *scaleStrip() const { return mScaleStrip; }
    QScrollArea *scrollBox() const { return mScrollBox; }
    QLabel *imageLabel() const { return mImage; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void showTimeGraph();
    void showSegmentGraph();
    void showSpreadsheet();
    void releaseBitmap();
    void createControls();
    void createMenus();
    void drawGraph();
    void reportError(const QString &text);
    void redrawIfFrameChanged();

    GraphKind mMode = GraphKind::Segment;
    QString mSessionName;
    int mTotalSeconds = 0;
    QImage mBitmap;

    FrequencyScaleStrip *mScaleStrip;
    QScrollArea *mScrollBox;
    QLabel *mImage;
    QMenu *mGraphMenu;
    QAction *mActionTimeGraph;
    QAction *mActionSegmentGraph;
    QAction *mActionSpreadsheet;

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
