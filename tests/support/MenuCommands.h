#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

// A window's menu items and menus found by their captions (access keys
// included), as the user sees them. A caption the window lacks fails the
// test with an exception.
QAction *menuCommand(const QWidget &window, const QString &caption);
QMenu *menuOf(const QWidget &window, const QString &title);
