#include "gui/codeplug/TimingControl.h"

#include <algorithm>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "gui/codeplug/KeyTouch.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/Twips.h"

namespace vantrel {

TimingControl::TimingControl(EditorContext& ctx, int index, QWidget* parent)
    : QObject(parent), ctx_(ctx), index_(index), f_(kTimingFields[static_cast<std::size_t>(index)]) {
    label_ = new QLabel(TrCoreText(QString::fromLatin1(f_.caption)), parent);
    label_->setObjectName(QString::fromLatin1(f_.label));
    text_ = new QLineEdit(parent);
    text_->setObjectName(QString::fromLatin1(f_.textBox));
    text_->setText(QString::number(f_.fallback * f_.unit));
    // Four digits must show whatever the font.
    text_->setFixedWidth(std::max(twips(900), text_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12));
    ud_ = new QSpinBox(parent);
    ud_->setObjectName(QString::fromLatin1(f_.upDown));
    ud_->setRange(f_.udMin, f_.udMax);
    ud_->setSingleStep(f_.unit);
    ud_->setValue(f_.fallback * f_.unit);
    // Only the arrows show: the text box beside it carries the value.
    ud_->setFixedWidth(18);
    ud_->setStyleSheet("QSpinBox { color: transparent; }");

    connect(text_, &QLineEdit::textChanged, this, &TimingControl::textChanged);
    connect(ud_, qOverload<int>(&QSpinBox::valueChanged), this, &TimingControl::upDownChanged);
    text_->installEventFilter(this);
    ud_->installEventFilter(this);
}

void TimingControl::setEnabled(bool on) {
    label_->setEnabled(on);
    text_->setEnabled(on);
    ud_->setEnabled(on);
}

void TimingControl::showState(const QString& text, int value, int minimum) {
    const QSignalBlocker blockText(text_);
    const QSignalBlocker blockUpDown(ud_);
    if (ud_->minimum() != minimum) ud_->setMinimum(minimum);
    if (ud_->value() != value) ud_->setValue(value);
    if (text_->text() != text) text_->setText(text);
}

// The field's gestures go to the editing model; the box and the up-down then
// show what it holds.
void TimingControl::forward(const ModelEdit& edit) {
    ctx_.forward(edit, Gesture(Section::Timing));
    text_->setCursorPosition(text_->text().size());
}

void TimingControl::textChanged() {
    const std::string text = text_->text().toStdString();
    forward([i = index_, text](EditingModel& m) { return m.TypeTimingText(i, text); });
}

void TimingControl::upDownChanged(int value) {
    forward([i = index_, value](EditingModel& m) { return m.MoveTimingUpDown(i, value); });
}

bool TimingControl::eventFilter(QObject* watched, QEvent* e) {
    if (watched == text_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            ctx_.touch();
            const bool up = k->key() == Qt::Key_Up;
            forward([i = index_, up](EditingModel& m) { return m.ArrowTimingKey(i, up); });
            return true;
        }
        if (TouchesEditor(*k)) ctx_.touch();
    } else if (watched == text_ && e->type() == QEvent::FocusOut) {
        ctx_.forward([i = index_](EditingModel& m) { return m.LeaveTimingField(i); }, Gesture(Section::Timing));
    } else if (watched == ud_ && e->type() == QEvent::MouseButtonPress) {
        ud_->setFocus();
        ctx_.touch();
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
