#pragma once

#include <QTest>

// A key or a mouse button pressed and released on a widget, as the user does.
template<typename Key>
void typeKey(QWidget *widget, Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(widget, key, modifiers);
    QTest::keyRelease(widget, key, modifiers);
}

inline void clickMouse(QWidget *widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                       QPoint position = {})
{
    QTest::mousePress(widget, button, modifiers, position);
    QTest::mouseRelease(widget, button, modifiers, position);
}
