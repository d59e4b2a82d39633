#include "gui/channels/frmChannelToneOption.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QApplication>

#include "channels/ChannelOptions.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/GridColumns.h"
#include "gui/channels/ToneTableKeys.h"
#include "gui/common/Contrast.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowPlacement.h"

namespace vantrel {

namespace gc = gridcol;
namespace tk = tonekeys;

namespace {

constexpr int kWidthTwips = 8250;
constexpr int kHeightNoTable = 1100;
constexpr int kHeightTpl = 4500;
constexpr int kHeightDpl = 5100;
constexpr int kOffsetTwips = 3000;  // from the editor form's top-left corner

const char* const kOptionCaptions[] = {"CSQ", "DPL", "TPL", "IDPL", "TPL1", "TPL2", "TPL3"};
// Option buttons that choose at once, with their codes.
constexpr int kCsqOption = 0, kDplOption = 1, kTplOption = 2, kIdplOption = 3;
constexpr int kDirectCodes[] = {kCsqCode, -1, -1, -1, kUserTpl1Code, kUserTpl1Code + 1, kUserTpl1Code + 2};

const QColor kFocusColour(192, 192, 255);  // light blue behind the box with the focus

QLineEdit* makeBox(QWidget* parent, const char* name, int index, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty("index", index);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setFixedSize(twips(660), twips(300));
    box->setEnabled(!text.isEmpty());  // the boxes after the last entry cannot be chosen
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void setBoxBackground(QLineEdit* box, bool focused) {
    QPalette pal = box->palette();
    const QColor base = focused ? kFocusColour : QApplication::palette().color(QPalette::Base);
    pal.setColor(QPalette::Base, base);
    // The text reads on the tint; an unused box keeps its grey.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        pal.setColor(g, QPalette::Text, ReadableOn(base, QApplication::palette().color(g, QPalette::Text)));
    box->setPalette(pal);
}

int indexOf(QObject* o) { return o->property("index").toInt(); }

}  // namespace

frmChannelToneOption::frmChannelToneOption(EditorContext& ctx, ChannelGrid& grid, QWidget* owner)
    : QWidget(nullptr, Qt::Dialog), ctx_(ctx), grid_(grid), owner_(owner) {
    // Not a child of the owner: disabling the owner while the dialog is open
    // must not disable the dialog too. The owner only keeps it on top.
    setObjectName("frmChannelToneOption");
    setWindowTitle(tr("Channel Tone Option"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* options = new QGroupBox(tr("Channel Tone Option"), this);
    auto* optionRow = new QHBoxLayout(options);
    for (int i = 0; i < kOptions; ++i) {
        optChOption_[i] = new QRadioButton(QString::fromLatin1(kOptionCaptions[i]), options);
        optChOption_[i]->setObjectName("optChOption");
        optChOption_[i]->setProperty("index", i);
        optChOption_[i]->installEventFilter(this);
        optionRow->addWidget(optChOption_[i]);
        connect(optChOption_[i], &QRadioButton::clicked, this, [this, i] {
            if (releasedOption_ != i) return;  // only a mouse-up chooses
            releasedOption_ = -1;
            chooseOption(i, true);
        });
    }
    optChOption_[kCsqOption]->setChecked(true);

    fraToneData_ = new QGroupBox(tr("TPL Frequency Table"), this);
    fraToneData_->setObjectName("fraToneData");
    auto* toneGrid = new QGridLayout(fraToneData_);
    toneGrid->setVerticalSpacing(1);
    for (int i = 0; i < kToneBoxes; ++i) {
        const int column = i / tk::kTplTable.rows;
        const int r = i % tk::kTplTable.rows;
        const bool used = i < tk::kTplTable.used;
        const TplTone* tone = used ? &TplFrequencyTable[i] : nullptr;
        txtToneData_[i] = makeBox(fraToneData_, "txtToneData", i, tone ? tone->text : "");
        txtToneData_[i]->installEventFilter(this);
        toneGrid->addWidget(makeLabel(fraToneData_, "lblToneNo", tone ? tone->numberLabel : ""), r, column * 3);
        toneGrid->addWidget(txtToneData_[i], r, column * 3 + 1);
        toneGrid->addWidget(makeLabel(fraToneData_, "lblToneName", tone ? tone->designation : ""), r,
                            column * 3 + 2);
    }

    fraDcsData_ = new QGroupBox(tr("DPL Code Table"), this);
    fraDcsData_->setObjectName("fraDcsData");
    auto* codeGrid = new QGridLayout(fraDcsData_);
    codeGrid->setVerticalSpacing(1);
    for (int i = 0; i < kCodeBoxes; ++i) {
        const int column = i / tk::kDplTable.rows;
        const int r = i % tk::kDplTable.rows;
        const bool used = i < tk::kDplTable.used;
        txtDcsData_[i] = makeBox(fraDcsData_, "txtDcsData", i, used ? DplCodeTable[i] : "");
        txtDcsData_[i]->installEventFilter(this);
        codeGrid->addWidget(makeLabel(fraDcsData_, "lblDcsNo", used ? QString::number(i + 1) : QString()), r,
                            column * 2);
        codeGrid->addWidget(txtDcsData_[i], r, column * 2 + 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(options);
    layout->addWidget(fraToneData_);
    layout->addWidget(fraDcsData_);
    layout->addStretch();
    showTable(Table::None);
}

void frmChannelToneOption::showTable(Table table) {
    fraToneData_->setVisible(table == Table::Tpl);
    fraDcsData_->setVisible(table == Table::Dpl);
    const int height = table == Table::Tpl ? kHeightTpl : table == Table::Dpl ? kHeightDpl : kHeightNoTable;
    setFixedSize(twips(kWidthTwips), twips(height));
}

void frmChannelToneOption::open(int row, Side side) {
    toneSideTx_ = side == Side::Tx;
    toneChannel_ = row - 1;

    const auto& image = ctx_.state.image;
    const int code = image.byte(SignalOffset(row, side));
    const bool inverted = OptionValue(image, row, InversionOption(side)) != 0;
    int chosen = -1;
    Table table = Table::None;
    QLineEdit* focusBox = nullptr;
    switch (KindOfSignal(code)) {
    case SignalKind::Csq: chosen = kCsqOption; break;
    case SignalKind::Tpl:
        chosen = kTplOption;
        table = Table::Tpl;
        focusBox = txtToneData_[code - kFirstTplCode];
        break;
    case SignalKind::Dpl:
        chosen = inverted ? kIdplOption : kDplOption;
        table = Table::Dpl;
        focusBox = txtDcsData_[code - kFirstDplCode];
        break;
    case SignalKind::UserTpl: chosen = 4 + (code - kUserTpl1Code); break;
    case SignalKind::None: break;
    }

    if (owner_) owner_->setEnabled(false);
    if (chosen >= 0) {
        optChOption_[chosen]->setChecked(true);
    } else {
        // An unknown code: no option is on.
        for (QRadioButton* b : optChOption_) b->setAutoExclusive(false);
        for (QRadioButton* b : optChOption_) b->setChecked(false);
        for (QRadioButton* b : optChOption_) b->setAutoExclusive(true);
    }
    showTable(table);
    if (QWidget* form = grid_.hooks.editorForm ? grid_.hooks.editorForm() : grid_.window())
        PlaceBeside(*this, *form, QPoint(twips(kOffsetTwips), twips(kOffsetTwips)));
    winId();
    if (owner_ && owner_->windowHandle()) windowHandle()->setTransientParent(owner_->windowHandle());
    show();
    activateWindow();
    // Opened by a mouse press on the grid, the window would lose the focus to
    // the window manager's click-to-focus of the main window; asking again
    // once it is mapped keeps the keys (Esc, arrows) with the choice.
    QTimer::singleShot(0, this, [this] { activateWindow(); });
    if (focusBox) {
        focusBox->setFocus();
        // Marked at once: the focus-in that marks it waits for the window
        // to become active.
        setBoxBackground(focusBox, true);
    } else {
        // Without a table the option chosen takes the keys (arrows, Enter, Esc).
        optChOption_[static_cast<std::size_t>(std::max(chosen, 0))]->setFocus();
    }
}

void frmChannelToneOption::choose(int code, bool inverted, bool byMouse) {
    const int r = row();
    const Side s = side();
    ctx_.forward([r, s, code, inverted](EditingModel& m) { return m.ChooseSignal(r, s, code, inverted); },
                 GestureOnRow(r));
    finish(byMouse);
}

void frmChannelToneOption::chooseOption(int i, bool byMouse) {
    if (i == kDplOption || i == kIdplOption) {
        showTable(Table::Dpl);
        txtDcsData_[0]->setFocus();
        return;
    }
    if (i == kTplOption) {
        showTable(Table::Tpl);
        txtToneData_[0]->setFocus();
        return;
    }
    choose(kDirectCodes[i], false, byMouse);
}

void frmChannelToneOption::chooseTone(int i) {
    if (i < 0 || i >= tk::kTplTable.used) return;
    choose(kFirstTplCode + i, false, false);
}

void frmChannelToneOption::chooseCode(int i) {
    if (i < 0 || i >= tk::kDplTable.used) return;
    choose(kFirstDplCode + i, !optChOption_[kDplOption]->isChecked(), false);
}

void frmChannelToneOption::finish(bool byMouse) {
    close();
    grid_.table()->setFocus();
    if (byMouse) {
        grid_.table()->viewport()->update();
        if (QWidget* form = grid_.hooks.editorForm ? grid_.hooks.editorForm() : nullptr) form->update();
    }
}

void frmChannelToneOption::cancel() {
    close();
    grid_.table()->setFocus();
}

void frmChannelToneOption::enableWindows() {
    if (QWidget* form = grid_.hooks.editorForm ? grid_.hooks.editorForm() : nullptr) form->setEnabled(true);
    if (owner_) owner_->setEnabled(true);
}

void frmChannelToneOption::changeEvent(QEvent* event) {
    // The disabled main window cannot take keys: when the window manager
    // hands it the focus anyway (its click-to-focus of the click that opened
    // this window can come after this window appeared), the focus comes back.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && owner_ && QApplication::activeWindow() == owner_) activateWindow();
        });
    QWidget::changeEvent(event);
}

void frmChannelToneOption::closeEvent(QCloseEvent* event) {
    enableWindows();
    QWidget::closeEvent(event);
}

bool frmChannelToneOption::eventFilter(QObject* watched, QEvent* event) {
    auto* radio = qobject_cast<QRadioButton*>(watched);
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool toneBox = box && box->objectName() == QLatin1String("txtToneData");
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (radio) releasedOption_ = indexOf(radio);
        if (box && box->isEnabled()) {
            toneBox ? chooseTone(indexOf(box)) : chooseCode(indexOf(box));
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (box) setBoxBackground(box, event->type() == QEvent::FocusIn);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape && (radio || box)) {
            cancel();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (radio || box)) {
            if (radio) chooseOption(indexOf(radio), false);
            else if (toneBox) chooseTone(indexOf(box));
            else chooseCode(indexOf(box));
            return true;
        }
        if (!box) break;
        static const std::pair<int, tk::Arrow> kArrows[] = {{Qt::Key_Left, tk::Arrow::Left},
                                                           {Qt::Key_Right, tk::Arrow::Right},
                                                           {Qt::Key_Up, tk::Arrow::Up},
                                                           {Qt::Key_Down, tk::Arrow::Down}};
        for (const auto& [k, arrow] : kArrows) {
            if (k != key) continue;
            if (toneBox)
                txtToneData_[tk::NextBox(tk::kTplTable, indexOf(box), arrow)]->setFocus();
            else
                txtDcsData_[tk::NextBox(tk::kDplTable, indexOf(box), arrow)]->setFocus();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantrel
