#pragma once
// Keyboard and mouse input delivered straight to a widget, as the window
// system would deliver it to the focused control.
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace vantrel::test {

inline void key(QWidget* w, int k, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

inline void enter(QWidget* w) { key(w, Qt::Key_Return, "\r"); }

inline void type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        const int k = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                    : c.isDigit()  ? Qt::Key_0 + (c.unicode() - '0')
                                   : c.unicode();
        key(w, k, QString(c));
    }
}

inline void focusOut(QWidget* w, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent e(QEvent::FocusOut, reason);
    QApplication::sendEvent(w, &e);
}

inline void focusIn(QWidget* w) {
    QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

inline void hover(QWidget* w) {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(w, &e);
}

// The user picks an entry of a list.
inline void choose(QComboBox* box, int position) {
    box->setCurrentIndex(position);
    emit box->activated(position);
}

}  // namespace vantrel::test
