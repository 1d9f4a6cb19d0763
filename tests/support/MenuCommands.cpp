#include "MenuCommands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <stdexcept>

namespace {
template<typename T>
T *withText(const QWidget &window, const QString &text, QString (T::*textOf)() const)
{
    const QList<T *> candidates = window.findChildren<T *>();
    for (T *candidate : candidates) {
        if ((candidate->*textOf)() == text)
            return candidate;
    }
    throw std::runtime_error("no menu entry \"" + text.toStdString() + '"');
}
} // namespace

QAction *menuCommand(const QWidget &window, const QString &caption)
{
    return withText<QAction>(window, caption, &QAction::text);
}

QMenu *menuOf(const QWidget &window, const QString &title)
{
    return withText<QMenu>(window, title, &QMenu::title);
}
