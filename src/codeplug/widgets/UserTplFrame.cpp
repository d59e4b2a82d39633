#include "codeplug/widgets/UserTplFrame.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "channels/UserTplCodec.h"
#include "codeplug/widgets/KeyTouch.h"
#include "codeplug/widgets/Twips.h"

namespace vantrel {

namespace {

const char* const kInitialTexts[3] = {"120.0", "200.0", "255.0"};
const QColor kFocusColour(255, 255, 192);
const QString kInvalid = QStringLiteral("Invalid Frequency");

void setBackground(QLineEdit* box, const QColor& c) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, c);
    box->setPalette(p);
}

}  // namespace

UserTplFrame::UserTplFrame(EditorContext& ctx, QWidget* parent)
    : QGroupBox("  User Defined TPL ", parent), ctx_(ctx) {
    setObjectName("Frame2");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(" RX", this), 0, 1);
    grid->addWidget(new QLabel(" TX", this), 0, 2);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        labels_[k] = new QLabel(QString(" TPL%1 (Hz)").arg(i + 1), this);
        labels_[k]->setObjectName(QString("lblTPL%1").arg(i + 1));
        grid->addWidget(labels_[k], i + 1, 0);
        for (bool tx : {false, true}) {
            auto* b = new QLineEdit(kInitialTexts[i], this);
            b->setObjectName(tx ? "txtTPL_TxFrequency" : "txtTPL_RxFrequency");
            b->setProperty("index", i);
            b->setMaxLength(5);
            b->setFixedWidth(twips(1100));
            b->installEventFilter(this);
            connect(b, &QLineEdit::textChanged, this, [this, b] { textChanged(b); });
            (tx ? tx_ : rx_)[k] = b;
            grid->addWidget(b, i + 1, tx ? 2 : 1);
        }
    }
}

UserTplBoxes UserTplFrame::boxes() const {
    UserTplBoxes b;
    for (int i = 0; i < 3; ++i) {
        b.rx[static_cast<std::size_t>(i)] = box(false, i)->text().toStdString();
        b.tx[static_cast<std::size_t>(i)] = box(true, i)->text().toStdString();
    }
    return b;
}

void UserTplFrame::reformat(QLineEdit* b) {
    if (auto t = ReformatUserTplText(b->text().toStdString()))
        b->setText(QString::fromStdString(*t));
}

bool UserTplFrame::allFilled() const {
    for (int i = 0; i < 3; ++i)
        if (box(false, i)->text().isEmpty() || box(true, i)->text().isEmpty()) return false;
    return true;
}

QLineEdit* UserTplFrame::firstEmpty() const {
    for (bool tx : {false, true})
        for (int i = 0; i < 3; ++i)
            if (box(tx, i)->text().isEmpty()) return box(tx, i);
    return nullptr;
}

void UserTplFrame::ShowUserTpl() {
    UserTplBoxes b = boxes();
    vantrel::ShowUserTpl(ctx_.state.image, b);
    for (int i = 0; i < 3; ++i) {
        box(false, i)->setText(QString::fromStdString(b.rx[static_cast<std::size_t>(i)]));
        box(true, i)->setText(QString::fromStdString(b.tx[static_cast<std::size_t>(i)]));
    }
}

bool UserTplFrame::messagesAllowed() const {
    return window()->isVisible() && !ctx_.previewOrAboutShown();
}

bool UserTplFrame::encode(bool tx, int i) {
    QLineEdit* b = box(tx, i);
    const bool ok = tx ? vantrel::EncodeTxUserTpl(ctx_.state.image, boxes(), i)
                       : vantrel::EncodeRxUserTpl(ctx_.state.image, boxes(), i);
    if (ok) return true;
    if (messagesAllowed()) {
        ctx_.prompts.tell(kInvalid);
        showFirstTab();
        b->setFocus();
    }
    b->clear();
    return false;
}

bool UserTplFrame::EncodeRxUserTpl(int i) { return encode(false, i); }
bool UserTplFrame::EncodeTxUserTpl(int i) { return encode(true, i); }

void UserTplFrame::textChanged(QLineEdit* b) {
    if (clearing_) return;
    if (UserTplTextRefused(b->text().toStdString())) {
        ctx_.prompts.tell(kInvalid);
        clearing_ = true;
        b->clear();
        clearing_ = false;
    }
}

void UserTplFrame::focusLost(QLineEdit* b, bool tx, int i) {
    setBackground(b, QApplication::palette().color(QPalette::Base));
    const QString t = b->text();
    if (t.isEmpty()) {
        if (!messagesAllowed()) return;
        if (ctx_.state.readPending) {
            b->setFocus();
            return;
        }
        ctx_.closeReadWriteDialog();
        ctx_.prompts.tell(kInvalid);
        showFirstTab();
        b->setFocus();
        return;
    }
    if (!ReformatUserTplText(t.toStdString())) return;
    reformat(b);
    if (!encode(tx, i)) b->setFocus();
}

bool UserTplFrame::eventFilter(QObject* watched, QEvent* e) {
    auto* b = qobject_cast<QLineEdit*>(watched);
    if (!b) return QGroupBox::eventFilter(watched, e);
    const bool tx = b->objectName() == "txtTPL_TxFrequency";
    const int i = b->property("index").toInt();
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (TouchesEditor(*k)) ctx_.state.dataChanged = true;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (!UserTplEnterIgnored(b->text().toStdString())) {
                reformat(b);
                encode(tx, i);
            }
            return true;
        }
        const QString typed = k->text();
        if (typed.size() == 1) {
            const QChar c = typed.at(0);
            // Editing keys (Delete among them) carry control codes and pass.
            const bool accepted = (c >= '0' && c <= '9') || c == '.' || c == ' ' || !c.isPrint();
            if (!accepted) {
                ctx_.prompts.tell(kInvalid);
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
