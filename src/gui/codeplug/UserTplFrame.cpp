#include "gui/codeplug/UserTplFrame.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "channels/UserTplCodec.h"
#include "gui/codeplug/KeyTouch.h"
#include "gui/common/Contrast.h"
#include "gui/common/Twips.h"

namespace vantrel {

namespace {

const char* const kInitialTexts[3] = {"120.0", "200.0", "255.0"};
const QColor kFocusColour(255, 255, 192);

void setBackground(QLineEdit* box, const QColor& c) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, c);
    // The text reads on the tint; a disabled box keeps its grey.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        p.setColor(g, QPalette::Text, ReadableOn(c, QApplication::palette().color(g, QPalette::Text)));
    box->setPalette(p);
}

}  // namespace

UserTplFrame::UserTplFrame(EditorContext& ctx, QWidget* parent)
    : QGroupBox(tr("  User Defined TPL "), parent), ctx_(ctx) {
    setObjectName("Frame2");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr(" RX"), this), 0, 1);
    grid->addWidget(new QLabel(tr(" TX"), this), 0, 2);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        labels_[k] = new QLabel(tr(" TPL%1 (Hz)").arg(i + 1), this);
        labels_[k]->setObjectName(QString("lblTPL%1").arg(i + 1));
        grid->addWidget(labels_[k], i + 1, 0);
        for (bool tx : {false, true}) {
            auto* b = new QLineEdit(kInitialTexts[i], this);
            b->setObjectName(tx ? "txtTPL_TxFrequency" : "txtTPL_RxFrequency");
            b->setProperty("index", i);
            b->setMaxLength(5);
            b->setFixedWidth(twips(1100));
            b->installEventFilter(this);
            connect(b, &QLineEdit::textChanged, this, [this, tx, i] { textChanged(tx, i); });
            (tx ? tx_ : rx_)[k] = b;
            grid->addWidget(b, i + 1, tx ? 2 : 1);
        }
    }
}

QLineEdit* UserTplFrame::firstEmpty() const {
    for (bool tx : {false, true})
        for (int i = 0; i < 3; ++i)
            if (box(tx, i)->text().isEmpty()) return box(tx, i);
    return nullptr;
}

bool UserTplFrame::messagesAllowed() const {
    return window()->isVisible() && !ctx_.previewOrAboutShown();
}

// A commit of a box in the editing model; a refused frequency empties the
// box, takes the focus back to it and shows the first tab, while messages
// may be shown (not behind the preview or the about box).
void UserTplFrame::commit(bool tx, int i, bool leaving) {
    const bool quiet = !messagesAllowed();
    const Side side = tx ? Side::Tx : Side::Rx;
    const EditResult r = ctx_.forward(
        [=](EditingModel& m) {
            EditResult result = leaving ? m.LeaveUserTpl(side, i) : m.CommitUserTpl(side, i);
            if (quiet) result.messages.clear();
            return result;
        },
        Gesture(Section::UserTpl));
    if (!r.ok && !quiet) box(tx, i)->setFocus();
}

void UserTplFrame::textChanged(bool tx, int i) {
    const Side side = tx ? Side::Tx : Side::Rx;
    const std::string text = box(tx, i)->text().toStdString();
    ctx_.forward([=](EditingModel& m) { return m.SetUserTplText(side, i, text); }, Gesture(Section::UserTpl));
}

void UserTplFrame::focusLost(QLineEdit* b, bool tx, int i) {
    setBackground(b, QApplication::palette().color(QPalette::Base));
    if (b->text().isEmpty()) {
        // Behind the preview or the about box the empty box waits; while a
        // read waits for the radio it keeps the focus without a word; else
        // the read/write dialog closes before the refusal shows.
        if (!messagesAllowed()) return;
        if (ctx_.state.readPending) {
            b->setFocus();
            return;
        }
        ctx_.closeReadWriteDialog();
    }
    commit(tx, i, true);
}

bool UserTplFrame::eventFilter(QObject* watched, QEvent* e) {
    auto* b = qobject_cast<QLineEdit*>(watched);
    if (!b) return QGroupBox::eventFilter(watched, e);
    const bool tx = b->objectName() == "txtTPL_TxFrequency";
    const int i = b->property("index").toInt();
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (TouchesEditor(*k)) ctx_.touch();
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            commit(tx, i, false);
            return true;
        }
        const QString typed = k->text();
        if (typed.size() == 1) {
            const QChar c = typed.at(0);
            // Editing keys (Delete among them) carry control codes and pass.
            const bool accepted = (c >= '0' && c <= '9') || c == '.' || c == ' ' || !c.isPrint();
            if (!accepted) {
                ctx_.prompts.tell(tr("Invalid Frequency"));
                return true;
            }
        }
        break;
    }
    case QEvent::FocusIn:
        setBackground(b, kFocusColour);
        break;
    case QEvent::FocusOut: {
        // Switching to another application or opening a popup is no leaving of the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        focusLost(b, tx, i);
        break;
    }
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, e);
}

void UserTplFrame::setLocked(bool locked) {
    for (QLabel* l : labels_) l->setEnabled(!locked);
    for (bool tx : {false, true})
        for (int i = 0; i < 3; ++i) box(tx, i)->setEnabled(!locked);
}

}  // namespace vantrel
