#pragma once
// Edit > Undo and Redo for the editor. After each user action the editing
// model's state is kept as one step when it changed; undo and redo put a
// kept state back into the model and the form shows it whole.
//
// A user action ends when the mouse button is released, a key other than
// typing into a box is pressed, a box loses focus, the grid or the scan list
// reports an edit, or a menu command starts. Typing into a box is part of
// the action that commits it. Nothing is kept while a read or write exchange
// runs, a message or menu is open, or the editor is locked or not shown.
#include <QObject>
#include <QTimer>

#include "model/EditingModel.h"
#include "model/UndoHistory.h"

class QAction;

namespace vantrel {

class frmMain;

class EditorUndo : public QObject {
    Q_OBJECT
public:
    EditorUndo(frmMain& editor, QAction& undoItem, QAction& redoItem);
    ~EditorUndo() override;

    // The editor as it stands becomes a step when it differs from the last.
    void checkpoint();
    // An opened file: a step of its own, and the one that counts as saved.
    void opened();
    // After a save or the write's changes to the image: the last step takes
    // them, so undo never takes back the bytes a save or a write sets.
    void amend();
    void undo();
    void redo();
    // The next step is named so (a menu command's name) unless a control or
    // a load names it later.
    void nameNextStep(const QString& name) { stepName_ = name; }

    const UndoHistory& history() const { return history_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool busy() const;
    bool shown() const;
    bool recordable() const;
    void record(bool markUnsaved);
    void schedule();
    void pendingCheckpoint();
    void show();
    void updateItems();

    frmMain& editor_;
    QAction& undoItem_;
    QAction& redoItem_;
    EditingModel& model_;   // the editor's own
    UndoHistory history_;
    QTimer timer_;
    bool showing_ = false;
    QString stepName_;  // what the action since the last checkpoint did
};

}  // namespace vantrel
