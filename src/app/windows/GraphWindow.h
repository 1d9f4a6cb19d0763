#pragma once

#include "app/QtPrompter.h"
#include "gui/graph/GraphDrawing.h"
#include "core/graph/GraphKind.h"

#include <QImage>
#include <QMainWindow>

class FrequencyScaleStrip;
class GraphImage;
class GraphLegend;
class QLabel;
class QScrollArea;
class SessionDocument;
class SessionGrid;

// The graph window: the session's frequency as a segment graph or a time
// graph. While it shows, the main window is hidden.
class GraphWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Reads the session from cells; shows mainWindow again when it closes.
    // Draws the document's session, and draws it again when it changes while shown.
    GraphWindow(QWidget &mainWindow, const SessionDocument &document, QWidget *parent = nullptr);

    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }

    // What the next drawing shows; the mode is kept between openings.
    void setGraph(GraphKind mode, const QString &sessionName, int totalSeconds);
    GraphKind mode() const { return mMode; }
    int totalSeconds() const { return mTotalSeconds; }
    // The whole bitmap of the last drawing, painted on each call; null after
    // the window closed.
    QImage bitmap() const;
    // The play cursor over the time graph at `seconds` into the session,
    // kept in view; a negative time hides it. The drawing stays as it is.
    void setPlayCursor(double seconds);
    // The preview's position, right of the legend; empty while it is silent.
    void setPlayPosition(const QString &text);

    // Writes the last drawing with its frequency scale, as SVG when the path
    // ends in ".svg", else as PNG. False (and reported) when that failed.
    bool savePicture(const QString &path);

    // Controls, for tests
    FrequencyScaleStrip *scaleStrip() const { return mScaleStrip; }
    QScrollArea *scrollBox() const { return mScrollBox; }
    QLabel *imageLabel() const;
    GraphLegend *legend() const { return mLegend; }
    QWidget *playCursor() const { return mPlayCursor; }
    QLabel *playPosition() const { return mPlayPosition; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void showTimeGraph();
    void showSegmentGraph();
    void showSpreadsheet();
    void askPictureFileName();
    void placeLegend();
    void releaseBitmap();
    void createControls();
    void createMenus();
    void drawGraph();
    void reportError(const QString &text);
    void redrawIfFrameChanged();
    void queueRedraw();

    GraphKind mMode = GraphKind::Segment;
    QString mSessionName;
    int mTotalSeconds = 0;
    GraphSketch mLastSketch; // the last drawing, for Save Picture
    QSize mDrawnBox;         // the scroll box it was drawn for

    FrequencyScaleStrip *mScaleStrip;
    QScrollArea *mScrollBox;
    GraphImage *mImage;
    GraphLegend *mLegend;
    QLabel *mPlayPosition;
    QWidget *mPlayCursor;
    int mScaleWidth = 0; // the width the time graph's minutes were scaled to
    QMenu *mGraphMenu;
    QAction *mActionTimeGraph;
    QAction *mActionSegmentGraph;
    QAction *mActionSpreadsheet;
    QAction *mActionSavePicture;

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
