#pragma once
// One timing field: its label, text box and up-down, all views of one byte
// that holds the value divided by the field's unit.
#include <QObject>
#include <functional>

#include "codeplug/TimeOptions.h"
#include "codeplug/widgets/EditorContext.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace vantrel {

class TimingControl : public QObject {
    Q_OBJECT
public:
    // tplFilled tells whether all six user TPL boxes hold text: only then do
    // the timing edits reach the image.
    TimingControl(EditorContext& ctx, const TimingField& field, std::function<bool()> tplFilled,
                  QWidget* parent);

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
    void textChanged();
    void upDownChanged(int value);
    void arrowKey(bool up);
    void restoreStoredText();
    int storedValue() const;
    void setUpDownQuietly(int value);

    EditorContext& ctx_;
    const TimingField& f_;
    std::function<bool()> tplFilled_;
    QLabel* label_;
    QLineEdit* text_;
    QSpinBox* ud_;
    bool programmatic_ = false;   // the up-down is being set by the program, not the user
    bool restoring_ = false;
};

}  // namespace vantrel
