#include "gui/shell/EditorUndo.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/UndoStepNames.h"

namespace vantrel {

namespace {

// Keys that edit the text of a box without ending the edit.
bool typesIntoBox(const QObject* target, const QKeyEvent& k) {
    if (!qobject_cast<const QLineEdit*>(target) && !qobject_cast<const QAbstractSpinBox*>(target)) return false;
    if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (k.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Shift:
        return true;
    default:
        return !k.text().isEmpty() && k.text().at(0).isPrint();
    }
}

// A busy program retries a little later.
constexpr int kRetryMs = 50;

}  // namespace

EditorUndo::EditorUndo(frmMain& editor, QAction& undoItem, QAction& redoItem)
    : QObject(&editor), editor_(editor), undoItem_(undoItem), redoItem_(redoItem), model_(editor.model()) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &EditorUndo::pendingCheckpoint);
    connect(editor_.grid(), &ChannelGrid::edited, this, &EditorUndo::schedule);
    connect(editor_.scanList(), &ScanListPanel::edited, this, &EditorUndo::schedule);
    connect(&editor_, &frmMain::populating, this, [this](frmMain::LoadKind kind) {
        stepName_ = StepNameOfLoad(kind);
        schedule();
    });
    qApp->installEventFilter(this);
    updateItems();
}

EditorUndo::~EditorUndo() { qApp->removeEventFilter(this); }

bool EditorUndo::busy() const {
    return editor_.context().state.transferRunning || QApplication::activeModalWidget() ||
           QApplication::activePopupWidget();
}

bool EditorUndo::shown() const { return editor_.loaded() && editor_.editorVisible(); }

// False when the model's state cannot be a step (nothing shown yet, or
// locked until a password is given).
bool EditorUndo::recordable() const { return shown() && !model_.copies().locked; }

void EditorUndo::checkpoint() { record(true); }

void EditorUndo::opened() {
    record(false);
    amend();
}

void EditorUndo::record(bool markUnsaved) {
    timer_.stop();
    const std::string name = stepName_.toStdString();
    stepName_.clear();
    if (showing_ || !recordable()) return;
    // A step away from what was saved or opened is unsaved data, whatever
    // the action did to the flag (a super-number load leaves it alone).
    if (history_.record(model_, name) && markUnsaved && !history_.atSaved()) model_.Touch();
    updateItems();
}

void EditorUndo::amend() {
    if (!recordable()) return;
    history_.amend(model_);
    updateItems();
}

void EditorUndo::schedule() {
    if (!showing_ && !timer_.isActive()) timer_.start(0);
}

void EditorUndo::pendingCheckpoint() {
    if (busy()) timer_.start(kRetryMs);
    else checkpoint();
}

void EditorUndo::undo() {
    checkpoint();
    if (!shown()) return;
    // A state that could not be kept (a locked editor) goes back to the last step.
    if (history_.differs(model_)) history_.revert(model_);
    else if (!history_.undo(model_)) return;
    show();
}

void EditorUndo::redo() {
    checkpoint();
    if (!shown() || !history_.redo(model_)) return;
    show();
}

void EditorUndo::show() {
    // The form stays on the tab the user looks at, and the keyboard where the
    // user works: unlocking the form puts the focus on the tab control.
    model_.copies().tab = editor_.tabs()->currentIndex();
    const QPointer<QWidget> focused = editor_.window()->focusWidget();
    showing_ = true;
    editor_.showWhole();
    if (focused && focused->isVisible() && focused->isEnabled()) focused->setFocus();
    showing_ = false;
    timer_.stop();
    updateItems();
}

void EditorUndo::updateItems() {
    undoItem_.setEnabled(history_.canUndo());
    redoItem_.setEnabled(history_.canRedo());
    // "Undo Scan Speed": the items say which step they take back or put back.
    // The step's name goes where the language puts it (Chinese keeps the
    // mnemonic at the end).
    auto caption = [](const QString& verb, const QString& named, const std::string& name) {
        return name.empty() ? verb : named.arg(QString::fromStdString(name));
    };
    undoItem_.setText(caption(tr("&Undo"), tr("&Undo %1"), history_.undoName()));
    redoItem_.setText(caption(tr("&Redo"), tr("&Redo %1"), history_.redoName()));
}

bool EditorUndo::eventFilter(QObject* watched, QEvent* e) {
    // The control the user worked in last names the step.
    switch (e->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut:
    case QEvent::KeyPress:
        if (!showing_)
            if (QString name = StepNameOfControl(watched); !name.isEmpty()) stepName_ = name;
        break;
    default:
        break;
    }
    switch (e->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut:
        schedule();
        break;
    case QEvent::KeyPress:
        if (!typesIntoBox(watched, *static_cast<QKeyEvent*>(e))) schedule();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
