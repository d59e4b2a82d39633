#include "gui/link/frmProgram.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>

#include "codeplug/CodeplugImage.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/WindowFocus.h"
#include "gui/common/WindowPlacement.h"
#include "gui/link/OwnedWindow.h"
#include "gui/link/ProgramTexts.h"
#include "link/Link.h"

namespace vantrel {

namespace {

struct IndicatorColours {
    unsigned bright;
    unsigned pale;
};
constexpr IndicatorColours kGreen{0x00FF00, 0xC0FFC0};
constexpr IndicatorColours kRed{0xFF0000, 0xFFC0C0};

QLabel* MakeIndicator(const char* name, QWidget* parent) {
    auto* led = new QLabel(parent);
    led->setObjectName(name);
    led->setFixedSize(16, 16);
    led->setAutoFillBackground(true);
    led->setFrameShape(QFrame::Box);
    return led;
}

}  // namespace

frmProgram::frmProgram(AppState& state, link::Link& link, QWidget* mainWindow, QWidget* editorWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), link_(link), mainWindow_(mainWindow), editorWindow_(editorWindow) {
    setObjectName("frmProgram");
    setWindowTitle(tr("Program"));

    lblProgramHelp_ = new QLabel(this);
    lblProgramHelp_->setObjectName("lblProgramHelp");
    lblProgram_ = new QLabel(this);
    lblProgram_->setObjectName("lblProgram");
    pgrProgram_ = new QProgressBar(this);
    pgrProgram_->setObjectName("pgrProgram");
    pgrProgram_->setRange(0, static_cast<int>(CodeplugImage::kSize));
    pgrProgram_->setTextVisible(false);
    cmdRead_ = new QPushButton(tr("Read"), this);
    cmdRead_->setObjectName("cmdRead");
    cmdWrite_ = new QPushButton(tr("Write"), this);
    cmdWrite_->setObjectName("cmdWrite");
    cmdClose_ = new QPushButton(tr("&Cancel"), this);
    cmdClose_->setObjectName("cmdClose");
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* button : {cmdRead_, cmdWrite_, cmdClose_}) button->setAutoDefault(true);
    lblGreenLED_ = MakeIndicator("lblGreenLED", this);
    lblRedLED_ = MakeIndicator("lblRedLED", this);
    chkVerify_ = new QCheckBox(tr("Verify after write"), this);
    chkVerify_->setObjectName("chkVerify");

    // The two command buttons and the two indicators share their places; only
    // one of each pair is shown.
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblProgramHelp_, 0, 0, 1, 4);
    layout->addWidget(lblGreenLED_, 1, 0);
    layout->addWidget(lblRedLED_, 1, 0);
    layout->addWidget(pgrProgram_, 1, 1, 1, 3);
    layout->addWidget(lblProgram_, 2, 0, 1, 4);
    layout->addWidget(chkVerify_, 3, 0, 1, 2);
    layout->addWidget(cmdRead_, 3, 2);
    layout->addWidget(cmdWrite_, 3, 2);
    layout->addWidget(cmdClose_, 3, 3);
    layout->setColumnStretch(1, 1);

    connect(cmdRead_, &QPushButton::clicked, this, [this] { runTransfer(onRead); });
    connect(cmdWrite_, &QPushButton::clicked, this, [this] { runTransfer(onWrite); });
    waitBlink_.setInterval(static_cast<int>(link::kTickPeriod.count()));
    connect(&waitBlink_, &QTimer::timeout, this, [this] {
        waitPhase_ = !waitPhase_;
        paint(mode_ == Mode::Write ? link::Indicator::Red : link::Indicator::Green, waitPhase_);
    });
    connect(cmdClose_, &QPushButton::clicked, this, &frmProgram::cmdClose_Click);
    for (QPushButton* b : {cmdRead_, cmdWrite_, cmdClose_}) b->installEventFilter(this);

    paint(link::Indicator::Green, false);
    paint(link::Indicator::Red, false);
    cmdWrite_->hide();
    lblRedLED_->hide();
    chkVerify_->hide();
}

void frmProgram::Open(Mode mode) {
    mode_ = mode;
    unloading_ = false;
    const bool write = mode == Mode::Write;
    lblProgram_->setText(write ? tr("Click Write Button") : tr("Click Read Button"));
    lblProgramHelp_->setText(instructions(write));
    setProgress(0);
    setCancelInTabOrder(true);
    cmdRead_->setVisible(!write);
    cmdWrite_->setVisible(write);
    QPushButton* button = write ? cmdWrite_ : cmdRead_;
    button->setEnabled(true);
    lblGreenLED_->setVisible(!write);
    lblRedLED_->setVisible(write);
    chkVerify_->setVisible(write);
    setEnabled(true);
    if (mainWindow_) CentreOver(*this, *mainWindow_);
    KeepInFrontOf(this, mainWindow_);
    show();
    raise();
    activateWindow();
    button->setFocus();
}

// The first and the eighth line name the command.
QString frmProgram::instructions(bool write) {
    const QStringList lines = {
        write ? tr("  To write codeplug data to radio:") : tr("  To read codeplug data from radio:"),
        QString(),
        tr("  1. Turn off radio."),
        tr("  2. Connect programming cable to radio."),
        tr("  3. Press and hold Programmable Button 1 while turning on radio."),
        tr("  4. Radio will beep once. Release Programmable Button 1."),
        QStringLiteral("     ") + tr(" ORANGE LED will be shown on radio."),
        write ? tr("  5. Click Write button on CPS.") : tr("  5. Click Read button on CPS."),
        tr("  6. CPS will show reading progress bar. Once completed, it will close by itself."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmProgram::keepEditorFocus() { editorFocus_ = editorWindow_ ? editorWindow_->focusWidget() : nullptr; }

void frmProgram::runTransfer(const std::function<void()>& transfer) {
    if (!portReady()) return;
    lblProgram_->setText(tr("Waiting for radio..."));
    waitPhase_ = true;
    waitBlink_.start();
    transfer();
    stopWaiting();
}

void frmProgram::stopWaiting() { waitBlink_.stop(); }

void frmProgram::unload() {
    if (unloading_ || isHidden()) return;
    stopWaiting();
    unloading_ = true;
    link_.Abort();
    state_.loadingImage = false;
    setProgress(0);
    paintIndicator(link::Indicator::Green, false);
    paintIndicator(link::Indicator::Red, false);
    if (mainWindow_) mainWindow_->setEnabled(true);
    state_.readPending = false;
    closeCompanions();
    hide();
}

void frmProgram::setStatus(const QString& text) {
    stopWaiting();
    // The exchanges' status texts come in English, as vantrelctl prints them.
    lblProgram_->setText(TrCoreText(text));
}

void frmProgram::setProgress(int value) { pgrProgram_->setValue(value); }

void frmProgram::paintIndicator(link::Indicator which, bool bright) {
    stopWaiting();
    paint(which, bright);
}

void frmProgram::paint(link::Indicator which, bool bright) {
    const bool green = which == link::Indicator::Green;
    const IndicatorColours& c = green ? kGreen : kRed;
    QLabel* led = green ? lblGreenLED_ : lblRedLED_;
    QPalette p = led->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(bright ? c.bright : c.pale));
    led->setPalette(p);
}

unsigned frmProgram::indicatorColor(link::Indicator which) const {
    const QLabel* led = which == link::Indicator::Green ? lblGreenLED_ : lblRedLED_;
    return led->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

void frmProgram::setCancelInTabOrder(bool on) {
    cmdClose_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmProgram::cmdClose_Click() {
    state_.passwordAttempts = 0;
    if (mainWindow_) mainWindow_->setEnabled(true);
    setCancelInTabOrder(true);
    FocusWindow(editorWindow_, editorFocus_);
    unload();
}

void frmProgram::escapePressed() {
    link_.Abort();
    setProgress(0);
    if (editorWindow_) editorWindow_->setEnabled(true);
    paintIndicator(mode_ == Mode::Write ? link::Indicator::Red : link::Indicator::Green, false);
    unload();
}

void frmProgram::closeEvent(QCloseEvent* e) {
    // The dialog is kept for the next command; closing runs its unload.
    e->ignore();
    unload();
}

void frmProgram::keyPressEvent(QKeyEvent* e) {
    // Esc belongs to the transfer button. That button is disabled while its
    // transfer runs and cannot hold the focus then, so the key is taken here
    // for the whole dialog.
    if (e->key() == Qt::Key_Escape) {
        escapePressed();
        return;
    }
    QWidget::keyPressEvent(e);
}

QString frmProgram::hintOf(const QObject* control) const {
    if (control == cmdClose_) return tr("Close Program");
    if (control == cmdRead_) return tr("Read Codeplug Data From Radio To PC");
    if (control == cmdWrite_) return tr("Write Radio Codeplug Data PC To Radio");
    return {};
}

bool frmProgram::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Enter)
        if (const QString hint = hintOf(watched); !hint.isEmpty()) setStatusText(hint);
    return QWidget::eventFilter(watched, e);
}

}  // namespace vantrel
