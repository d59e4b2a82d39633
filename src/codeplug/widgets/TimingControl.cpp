#include "codeplug/widgets/TimingControl.h"

#include <algorithm>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "codeplug/widgets/KeyTouch.h"
#include "codeplug/widgets/Twips.h"

namespace vantrel {

TimingControl::TimingControl(EditorContext& ctx, const TimingField& field,
                             std::function<bool()> tplFilled, QWidget* parent)
    : QObject(parent), ctx_(ctx), f_(field), tplFilled_(std::move(tplFilled)) {
    label_ = new QLabel(QString::fromLatin1(f_.caption), parent);
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

int TimingControl::storedValue() const { return ctx_.state.image.byte(f_.byte) * f_.unit; }

void TimingControl::setUpDownQuietly(int value) {
    programmatic_ = true;
    ud_->setValue(value);
    programmatic_ = false;
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

void TimingControl::restoreStoredText() {
    restoring_ = true;
    text_->setText(QString::number(storedValue()));
    restoring_ = false;
}

void TimingControl::textChanged() {
    if (restoring_) return;
    if (!tplFilled_()) {
        // An empty TPL box blocks timing edits: the field returns to the stored value.
        restoreStoredText();
        return;
    }
    text_->setCursorPosition(text_->text().size());
    auto b = timingByteFromText(text_->text().toStdString(), f_.unit);
    // A text that is no storable value is refused; focus loss shows the byte again.
    if (!b) return;
    ctx_.state.image.setByte(f_.byte, *b);
    ud_->blockSignals(true);
    ud_->setValue(*b * f_.unit);
    ud_->blockSignals(false);
}

void TimingControl::upDownChanged(int value) {
    if (tplFilled_()) ctx_.state.image.setByte(f_.byte, static_cast<std::uint8_t>(value / f_.unit));
    if (!programmatic_) text_->setText(QString::number(value));
}

void TimingControl::arrowKey(bool up) {
    bool ok = false;
    int v = text_->text().trimmed().toInt(&ok);
    if (!ok) v = storedValue();
    if (up) v = v >= f_.arrowMax ? f_.arrowMax : v + f_.unit;
    else v = v <= f_.arrowMin ? f_.arrowMin : v - f_.unit;
    text_->setText(QString::number(v));
    text_->setCursorPosition(text_->text().size());
}

bool TimingControl::eventFilter(QObject* watched, QEvent* e) {
    if (watched == text_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            ctx_.state.dataChanged = true;
            arrowKey(k->key() == Qt::Key_Up);
            return true;
        }
        if (TouchesEditor(*k)) ctx_.state.dataChanged = true;
    } else if (watched == text_ && e->type() == QEvent::FocusOut) {
        bool ok = false;
        const int v = text_->text().trimmed().toInt(&ok);
        if (!ok || v != storedValue()) restoreStoredText();
    } else if (watched == ud_ && e->type() == QEvent::MouseButtonPress) {
        ud_->setFocus();
        ctx_.state.dataChanged = true;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
