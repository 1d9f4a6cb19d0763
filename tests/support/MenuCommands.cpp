#include "MenuCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

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

QStringList clashes(const QMainWindow &window)
{
    QStringList found;
    QMap<QKeySequence, QString> shortcuts;
    const auto claim = [&](const QList<QAction *> &entries) {
        QMap<QKeySequence, QString> keys;
        for (const QAction *entry : entries) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            if (!key.isEmpty() && keys.contains(key))
                found << keys[key] + u" / "_s + entry->text();
            keys[key] = entry->text();
            if (!entry->shortcut().isEmpty() && shortcuts.contains(entry->shortcut()))
                found << shortcuts[entry->shortcut()] + u" / "_s + entry->text();
            if (!entry->shortcut().isEmpty())
                shortcuts[entry->shortcut()] = entry->text();
        }
    };
    claim(window.menuBar()->actions());
    for (const QAction *bar : window.menuBar()->actions())
        if (bar->menu())
            claim(bar->menu()->actions());
    return found;
}
