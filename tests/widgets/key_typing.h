#pragma once
// Typing as the person does, characters beyond ASCII included (QTest's own
// keyClicks accepts ASCII only).

#include <QTest>
#include <QWidget>

namespace vorlane::testing {

inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80 && c != u'\n') QTest::keyClick(widget, c.toLatin1());
        else if (c == u'\n') QTest::keyClick(widget, Qt::Key_Return);
        else QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace vorlane::testing
