#pragma once
// One timing field: its label, text box and up-down, all views of one byte
// that holds the value divided by the field's unit.
#include <QObject>
#include <functional>

#include "codeplug/TimeOptions.h"
#include "gui/codeplug/EditorContext.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace vantrel {

class TimingControl : public QObject {
    Q_OBJECT
public:
    // The field of kTimingFields at index.
    TimingControl(EditorContext& ctx, int index, QWidget* parent);

    QLabel* label() const { return label_; }
    QLineEdit* text() const { return text_; }
    QSpinBox* upDown() const { return ud_; }

    void setEnabled(bool on);
    // Shows a text and an up-down value and minimum, nothing stored (an undo
    // shows them).
    void showState(const QString& text, int value, int minimum);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void forward(const ModelEdit& edit);
    void textChanged();
    void upDownChanged(int value);

    EditorContext& ctx_;
    int index_;
    const TimingField& f_;
    QLabel* label_;
    QLineEdit* text_;
    QSpinBox* ud_;
};

}  // namespace vantrel
