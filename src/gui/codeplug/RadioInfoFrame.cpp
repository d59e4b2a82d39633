#include "gui/codeplug/RadioInfoFrame.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "codeplug/FactoryFields.h"
#include "gui/codeplug/KeyTouch.h"
#include "gui/common/Contrast.h"
#include "gui/common/Twips.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

constexpr const char* kSerialCaption = QT_TRANSLATE_NOOP("vantrel::RadioInfoFrame", "Serial Number");
constexpr const char* kSuperCaption = QT_TRANSLATE_NOOP("vantrel::RadioInfoFrame", "Regional Super Velmar");

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

bool isEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

}  // namespace

RadioInfoFrame::RadioInfoFrame(EditorContext& ctx, QWidget* parent)
    : QGroupBox(tr("Radio Information"), parent), ctx_(ctx) {
    setObjectName("fraRadioInfo");
    lblModel_ = label("lblModel", QString(), this);
    lblRange_ = label("lblfrequency_range", QString(), this);
    lblVersion_ = label("lblVersion", QString(), this);
    lblCodeplug_ = label("lblCodeplug", QString(), this);
    lblSerial_ = label("lblSerial", tr(kSerialCaption), this);
    lblSuper_ = label("lblSuper", tr(kSuperCaption), this);
    for (QLabel* value : {lblModel_, lblRange_, lblVersion_, lblCodeplug_}) {
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        // A long text must not widen the form.
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    txtSerial_ = new QLineEdit(this);
    txtSerial_->setObjectName("txtSerial");
    txtSerial_->setMaxLength(static_cast<int>(bm::SerialNumberSize));
    txtSuper_ = new QLineEdit(this);
    txtSuper_->setObjectName("txtSuper");
    txtSuper_->setMaxLength(static_cast<int>(bm::SuperNumberSize));
    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName("txtPassword");
    txtPassword_->setMaxLength(static_cast<int>(bm::PasswordSize));
    chkPOP_ = new QCheckBox(tr("POP Enable"), this);
    chkPOP_->setObjectName("chkPOP");

    for (QWidget* value : std::initializer_list<QWidget*>{lblModel_, lblRange_, lblVersion_, lblCodeplug_,
                                                          txtSerial_, txtSuper_, txtPassword_})
        // Wide enough for the frequency range, the longest of the texts.
        value->setMinimumWidth(std::max(
            twips(2300), value->fontMetrics().horizontalAdvance(QStringLiteral("000.00000 ~ 000.00000 MHz")) + 12));
    // Captions above their values keep the frame narrow.
    auto* g = new QGridLayout(this);
    g->setVerticalSpacing(1);
    int row = 0;
    auto add = [&](QWidget* caption, QWidget* value) {
        g->addWidget(caption, row++, 0);
        g->addWidget(value, row++, 0);
    };
    add(label("lblModel_Num", tr("Model Number"), this), lblModel_);
    add(label("lblFreqRange", tr("Frequency Range"), this), lblRange_);
    add(label("lblFirmware", tr("Firmware Version"), this), lblVersion_);
    add(label("Label18", tr("Codeplug Version"), this), lblCodeplug_);
    add(lblSerial_, txtSerial_);
    add(lblSuper_, txtSuper_);
    add(label("lblPassWord", tr("Password"), this), txtPassword_);
    auto* passwordNote = label("Label10", QString(), this);
    auto* serialNote = label("lblSerial_Num", QString(), this);
    for (QLabel* note : {passwordNote, serialNote}) note->setFixedHeight(0);
    g->addWidget(serialNote, row++, 0);
    g->addWidget(passwordNote, row++, 0);
    g->addWidget(chkPOP_, row++, 0);
    g->setRowStretch(row, 1);

    for (QLineEdit* box : {txtSerial_, txtSuper_, txtPassword_}) box->installEventFilter(this);
    connect(txtPassword_, &QLineEdit::textChanged, this, &RadioInfoFrame::passwordChanged);
    // The factory fields hold one byte per character, as the image does.
    connect(txtSerial_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ctx_.forward([t = text.toLatin1().toStdString()](EditingModel& m) {
            m.TypeSerialText(t);
            return EditResult{};
        }, Gesture(Section::Factory));
    });
    connect(txtSuper_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ctx_.forward([t = text.toLatin1().toStdString()](EditingModel& m) {
            m.TypeSuperText(t);
            return EditResult{};
        }, Gesture(Section::Factory));
    });
}

void RadioInfoFrame::setLocked(bool locked) {
    txtPassword_->setEnabled(!locked);
    txtSerial_->setEnabled(!locked);
    if (!locked) txtSuper_->setEnabled(txtSuper_->text().isEmpty());
}

void RadioInfoFrame::markPending(QLabel* l) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ReadableOn(p.color(QPalette::Window), QColor(255, 0, 0)));
    l->setPalette(p);
    l->setText(tr("Please Press the 'Enter' Key"));
}

void RadioInfoFrame::restoreCaption(QLabel* l, const char* caption) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ButtonText));
    l->setPalette(p);
    l->setText(tr(caption));
}

void RadioInfoFrame::serialEntered() {
    restoreCaption(lblSerial_, kSerialCaption);
    const std::string typed = txtSerial_->text().toLatin1().toStdString();
    const auto ask = [this] {
        return ctx_.prompts.message({tr("Enter Current Serial Number to Radio ?"), tr("Save ?"), Prompts::Icon::None,
                                    Prompts::Buttons::YesNo, Prompts::Answer::Yes}) == Prompts::Answer::Yes;
    };
    // A confirmed number is kept; a refused or declined one can be typed
    // again (the model says whether the box takes input).
    ctx_.forward([&](EditingModel& m) { return m.EnterSerialNumber(typed, ask); }, Gesture(Section::Factory));
}

void RadioInfoFrame::superEntered() {
    restoreCaption(lblSuper_, kSuperCaption);
    const std::string typed = txtSuper_->text().toLatin1().toStdString();
    enterSuperNumber(typed, [this] {
        return ctx_.prompts.message({tr("Enter Current Regional Super Velmar Number to Radio ?"), tr("Save ?"),
                                     Prompts::Icon::None, Prompts::Buttons::YesNo,
                                     Prompts::Answer::Yes}) == Prompts::Answer::Yes;
    });
}

void RadioInfoFrame::passwordChanged() {
    const std::string text = txtPassword_->text().toStdString();
    const EditResult r = ctx_.forward([&](EditingModel& m) { return m.SetPassword(text); }, Gesture(Section::Factory));
    if (!r.ok) txtPassword_->setFocus();
}

bool RadioInfoFrame::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        if (watched == txtSerial_) restoreCaption(lblSerial_, kSerialCaption);
        if (watched == txtSuper_) restoreCaption(lblSuper_, kSuperCaption);
    }
    if (watched == txtPassword_ && e->type() == QEvent::MouseButtonPress)
        ctx_.touch();
    if (e->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    if (watched == txtSerial_) {
        markPending(lblSerial_);
        if (isEnter(k)) {
            serialEntered();
            return true;
        }
    } else if (watched == txtSuper_) {
        markPending(lblSuper_);
        if (isEnter(k)) {
            superEntered();
            return true;
        }
    } else if (watched == txtPassword_) {
        if (TouchesEditor(*k)) ctx_.touch();
        const QString typed = k->text();
        // Editing keys (Delete among them) carry control codes and pass.
        if (typed.size() == 1 && typed.at(0).isPrint() && !isPasswordChar(typed.at(0).unicode())) {
            ctx_.prompts.tell(tr("Invalid Password"));
            txtPassword_->setFocus();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, e);
}

}  // namespace vantrel
