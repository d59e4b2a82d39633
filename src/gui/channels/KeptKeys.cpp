#include "gui/channels/KeptKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vantrel {

namespace {

// The keys that answer the message box itself.
bool AnswersTheBox(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space;
}

}  // namespace

KeptKeys::KeptKeys() { QCoreApplication::instance()->installEventFilter(this); }

KeptKeys::~KeptKeys() {
    if (keeping_) QCoreApplication::instance()->removeEventFilter(this);
}

void KeptKeys::deliver(const std::function<QWidget*()>& target) {
    if (keeping_) QCoreApplication::instance()->removeEventFilter(this);
    keeping_ = false;
    for (const Key& k : keys_) {
        QWidget* w = target();
        if (!w) break;
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.text);
        QCoreApplication::sendEvent(w, &release);
    }
    keys_.clear();
}

bool KeptKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (!AnswersTheBox(k->key()) && !k->text().isEmpty()) {
            keys_.push_back({k->key(), k->modifiers(), k->text()});
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
