#include "gui/shell/AccessibleWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "gui/channels/GridAccessible.h"
#include "gui/codeplug/StatusHelp.h"
#include "gui/common/Accessibility.h"
#include "gui/link/frmProgram.h"

namespace vantrel {

namespace {

QString helpOf(const QWidget& w) {
    if (const QString text = statusHelpText(w); !text.isEmpty()) return text;
    // The read/write dialog's buttons have hover help of the dialog's own.
    if (const auto* dialog = qobject_cast<const frmProgram*>(w.window())) return dialog->hintOf(&w);
    return {};
}

void describeWindow(QWidget& window) {
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        // The window's name is its title; the message itself is its description.
        box->setAccessibleDescription(box->text());
    }
    NameControls(window, helpOf);
}

class WindowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::Show && e->type() != QEvent::FocusIn) return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w) return false;
        if (e->type() == QEvent::Show && (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))) describeWindow(*w);
        if (e->type() == QEvent::FocusIn && IsControl(*w)) {
            QString help = helpOf(*w);
            if (help.isEmpty())
                if (QLabel* label = LabelOf(*w)) help = helpOf(*label);
            if (!help.isEmpty()) w->setAccessibleDescription(help.trimmed());
        }
        return false;
    }
};

}  // namespace

void InstallAccessibleWindows() {
    static WindowWatcher* watcher = nullptr;
    if (watcher) return;
    watcher = new WindowWatcher(qApp);
    qApp->installEventFilter(watcher);
    QAccessible::installFactory(ChannelGridAccessible);
}

}  // namespace vantrel
