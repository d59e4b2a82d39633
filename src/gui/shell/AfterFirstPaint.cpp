#include "gui/shell/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace vantrel {

namespace {

// A window that starts minimised or on another workspace is not painted
// until the user goes to it; the work does not wait for that longer than this.
constexpr int kLongestWaitMs = 500;

// Watches the window for its first expose. The window paints itself while
// that event is delivered, so the work is posted behind it.
class FirstExpose : public QObject {
public:
    FirstExpose(QWindow& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
        if (window.isExposed()) {
            post();
            return;
        }
        window.installEventFilter(this);
        QTimer::singleShot(kLongestWaitMs, this, [this, &window] {
            window.removeEventFilter(this);
            post();
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            post();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void post() {
        if (posted_) return;
        posted_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                const std::function<void()> then = std::move(then_);
                deleteLater();
                then();
            },
            Qt::QueuedConnection);
    }

    std::function<void()> then_;
    bool posted_ = false;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
    window.winId();  // the platform window exists from here on
    new FirstExpose(*window.windowHandle(), std::move(then));
}

}  // namespace vantrel
