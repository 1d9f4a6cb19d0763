#pragma once

#include <QWidget>

class PreviewController;
class SessionEditor;
class QAction;
class QLabel;
class QScrollBar;
class TimelineView;

// The timeline's own window, beside or below the main window so that both
// show at once; View > Timeline shows and hides it. Whether it was open and
// its size are kept for the next start. The main window puts its toggle
// action into its View menu, and its commands into this window.
class TimelineWindow : public QWidget
{
    Q_OBJECT
public:
    TimelineWindow(SessionEditor &editor, PreviewController &preview, QWidget &mainWindow);
    ~TimelineWindow() override;

    // Opens it again at start when it was open at the last end.
    void restore();
    void setShown(bool shown);

    TimelineView *view() const { return mView; }
    QAction *toggleAction() const { return mActionTimeline; }
    QLabel *readout() const { return mReadout; }
    QScrollBar *scrollBar() const { return mScrollBar; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();
    void remember() const;
    void showScrollPosition();

    QWidget &mMain;
    TimelineView *mView;
    QLabel *mReadout;
    QScrollBar *mScrollBar;
    QAction *mActionTimeline;
    bool mPlaced = false;
};
