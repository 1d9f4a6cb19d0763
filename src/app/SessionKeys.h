#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;
class SessionEditor;
class SessionSheet;
struct MirandelWindows;

// The keys the session's windows see before their controls: while the
// introduction shows, the first key only closes it; N adds a segment in
// every window of the session; + and - step the selected cell in the main
// window. Keys typed into a cell's editor stay the editor's.
class SessionKeys : public QObject
{
    Q_OBJECT
public:
    SessionKeys(QWidget &mainWindow, MirandelWindows &windows, SessionEditor &editor);
    ~SessionKeys() override;

    // The sheet, once made.
    void setSheet(SessionSheet *sheet);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isSessionWindow(const QWidget *window) const;
    bool handleKey(const QWidget *window, const QKeyEvent *event);

    QWidget &mMainWindow;
    MirandelWindows &mWindows;
    SessionEditor &mEditor;
    QPointer<SessionSheet> mSheet; // gone before the window is
};
