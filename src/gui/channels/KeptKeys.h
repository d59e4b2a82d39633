#pragma once
// Keys typed while a refusal message is up. A fast typist's next keys land in
// the message box, which drops them; they were meant for the box being typed
// in, so they are kept and delivered there once the message has closed.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace vantrel {

class KeptKeys : public QObject {
public:
    // Starts keeping the keys typed anywhere in the program.
    KeptKeys();
    ~KeptKeys() override;

    // Stops keeping and delivers the kept keys in order, each to the widget
    // `target` names when its turn comes (a first digit may open an editor
    // that takes the rest).
    void deliver(const std::function<QWidget*()>& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };
    std::vector<Key> keys_;
    bool keeping_ = true;
};

}  // namespace vantrel
