#pragma once

#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// A window's menu items and menus found by their captions (access keys
// included), as the user sees them. A caption the window lacks fails the
// test with an exception.
QAction *menuCommand(const QWidget &window, const QString &caption);
QMenu *menuOf(const QWidget &window, const QString &title);

// Access keys within one menu (or menu bar) and shortcuts within one window
// that more than one entry claims.
QStringList clashes(const QMainWindow &window);
