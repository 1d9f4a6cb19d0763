#include "app/SessionKeys.h"

#include "app/MirandelWindows.h"
#include "app/SessionSheet.h"
#include "app/dialogs/SessionProblemsDialog.h"
#include "app/timeline/TimelineWindow.h"
#include "app/windows/GraphWindow.h"
#include "app/windows/IntroductionWindow.h"
#include "core/session/ValueStepping.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

SessionKeys::SessionKeys(QWidget &mainWindow, MirandelWindows &windows, SessionEditor &editor)
    : QObject(&mainWindow), mMainWindow(mainWindow), mWindows(windows), mEditor(editor)
{
    qApp->installEventFilter(this);
}

SessionKeys::~SessionKeys()
{
    qApp->removeEventFilter(this);
}

void SessionKeys::setSheet(SessionSheet *sheet)
{
    mSheet = sheet;
}

bool SessionKeys::isSessionWindow(const QWidget *window) const
{
    return window == &mMainWindow || window == mWindows.timelineWindow.get() || window == mWindows.graphWindow.get()
        || qobject_cast<const SessionProblemsDialog *>(window);
}

bool SessionKeys::eventFilter(QObject *watched, QEvent *event)
{
    IntroductionWindow *introduction = mWindows.introductionWindow.get();
    // The key that dismisses the introduction does nothing else, not even
    // a shortcut such as Space: claimed here, it comes back as a key press.
    if (event->type() == QEvent::ShortcutOverride && introduction && introduction->isVisible()) {
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !isSessionWindow(widget->window()))
        return false;
    // Keys typed into a cell's editor are the editor's.
    const QWidget *cells = mSheet ? mSheet->table()->viewport() : nullptr;
    if (cells && widget != cells && cells->isAncestorOf(widget))
        return false;
    if (widget->window() == &mMainWindow && introduction && introduction->isVisible()) {
        introduction->close();
        return true;
    }
    return handleKey(widget->window(), static_cast<QKeyEvent *>(event));
}

bool SessionKeys::handleKey(const QWidget *window, const QKeyEvent *event)
{
    if (!mEditor.isSessionShown() || !mSheet)
        return false;
    if (event->key() == Qt::Key_N) {
        mEditor.runCommand([this] { mSheet->addSegment(); });
        return true;
    }
    if (window != &mMainWindow)
        return false;
    if (event->text() == u"+"_s || event->text() == u"-"_s) {
        mSheet->step(event->text() == u"+"_s ? StepDirection::Up : StepDirection::Down);
        return true;
    }
    return false;
}
