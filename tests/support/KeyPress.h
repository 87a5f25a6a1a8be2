#pragma once
// A key as the window system would deliver it: to the focused widget, else
// to the active window.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}
