#include "gui/report/frmMultiPgPreview.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

#include "gui/common/ProgramIcons.h"
#include "gui/report/ImageView.h"
#include "report/PageFiles.h"

namespace vantrel::report {

namespace {

// Designed sizes, in twips. The tool panel is wide enough for the buttons'
// captions under their pictures.
constexpr int kToolPanelWidth = 900;
constexpr int kHScrollStripHeight = 270;
constexpr int kHScrollSpare = 500;
constexpr double kFitAspect = 0.773;   // width / height of the fit box
constexpr int kFitMargin = 50;

struct Placement {
    int left, top, width, height;
};
constexpr Placement kQuit{30, 0, 840, 720};
constexpr Placement kPrint{30, 720, 840, 720};
constexpr Placement kFit{30, 1440, 840, 720};
constexpr Placement kVScroll{285, 2300, 330, 4000};

QToolButton* MakeButton(const QString& caption, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return b;
}

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

}  // namespace

frmMultiPgPreview::frmMultiPgPreview(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), surface_(ScreenDpi()) {
    setObjectName("frmMultiPgPreview");
    // Frameless, yet named for the taskbar and screen readers.
    setWindowTitle(tr("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::darkGray);
    setPalette(pal);
    setAutoFillBackground(true);

    Picture1_ = new ImageView(this);
    Picture1_->setObjectName("Picture1");
    Picture1_->setFocusPolicy(Qt::StrongFocus);
    picFullPage_ = new ImageView(this);
    picFullPage_->setObjectName("picFullPage");
    picFullPage_->setFocusPolicy(Qt::StrongFocus);
    picFullPage_->hide();
    picPrintPic_ = new QWidget(this);
    picPrintPic_->setObjectName("picPrintPic");
    picPrintPic_->hide();

    Picture2_ = new QWidget(this);
    Picture2_->setObjectName("Picture2");
    Picture2_->setAutoFillBackground(true);
    const auto place = [this](QWidget* w, const Placement& p) {
        w->setGeometry(toPixels(p.left), toPixels(p.top), toPixels(p.width), toPixels(p.height));
    };
    cmd_quit_ = MakeButton(tr("Exit"), Picture2_);
    cmd_quit_->setObjectName("cmd_quit");
    cmd_quit_->setToolTip(tr("Close"));
    cmd_quit_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    place(cmd_quit_, kQuit);
    cmd_print_ = MakeButton(tr("Print"), Picture2_);
    cmd_print_->setObjectName("cmd_print");
    cmd_print_->setToolTip(tr("Print Options"));
    cmd_print_->setIcon(ToolbarIcon(QStringLiteral("Print")));
    place(cmd_print_, kPrint);
    cmdFullPage_ = MakeButton(tr("Fit"), Picture2_);
    cmdFullPage_->setObjectName("cmdFullPage");
    cmdFullPage_->setToolTip(tr("Fit Page"));
    cmdFullPage_->setCheckable(true);
    place(cmdFullPage_, kFit);
    imgFit_[0] = style()->standardIcon(QStyle::SP_TitleBarMaxButton);
    imgFit_[1] = style()->standardIcon(QStyle::SP_TitleBarNormalButton);
    VScroll1_ = new QScrollBar(Qt::Vertical, Picture2_);
    VScroll1_->setObjectName("VScroll1");
    place(VScroll1_, kVScroll);

    picHScroll_ = new QWidget(this);
    picHScroll_->setObjectName("picHScroll");
    picHScroll_->hide();
    HScroll1_ = new QScrollBar(Qt::Horizontal, picHScroll_);
    HScroll1_->setObjectName("HScroll1");

    setTabOrder(Picture1_, cmd_quit_);
    for (QObject* o : {static_cast<QObject*>(Picture1_), static_cast<QObject*>(picFullPage_),
                       static_cast<QObject*>(VScroll1_), static_cast<QObject*>(HScroll1_),
                       static_cast<QObject*>(cmdFullPage_)})
        o->installEventFilter(this);

    connect(cmd_quit_, &QToolButton::clicked, this, [this] { cmd_quit_Click(); });
    connect(cmd_print_, &QToolButton::clicked, this, [this] { cmd_print_Click(); });
    connect(cmdFullPage_, &QToolButton::clicked, this, [this] { cmdFullPage_Click(); });
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int v) { VScroll1_Change(v); });
    connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Change(v); });
    Form_Load();
}

frmMultiPgPreview::~frmMultiPgPreview() = default;

int frmMultiPgPreview::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips * ScreenDpi() / 1440.0));
}

double frmMultiPgPreview::toTwips(double pixels) const { return pixels * 1440.0 / ScreenDpi(); }

int frmMultiPgPreview::pageAreaWidth() const { return width() - Picture2_->width(); }

void frmMultiPgPreview::Form_Load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
    Picture1_->move(0, 0);
    Picture2_->setGeometry(width() - toPixels(kToolPanelWidth), 0, toPixels(kToolPanelWidth), height());
    HScroll1_->setGeometry(0, 0, std::max(1, pageAreaWidth() - toPixels(kHScrollSpare)),
                           toPixels(kHScrollStripHeight));
    tempFolder_ = PrivatePageFolder();
}

void frmMultiPgPreview::setScrollRanges(const ScrollRange& v, const ScrollRange& h) {
    for (auto [bar, r] : {std::pair{VScroll1_, v}, std::pair{HScroll1_, h}}) {
        bar->setRange(r.minimum, r.maximum);
        bar->setSingleStep(r.smallChange);
        bar->setPageStep(r.largeChange);
    }
}

bool frmMultiPgPreview::showPageFile(const std::string& path) {
    const bool loaded = surface_.loadImage(QString::fromStdString(path));
    Picture1_->setImage(surface_.image());
    Picture1_->resize(surface_.image().size());
    return loaded;
}

void frmMultiPgPreview::showPreview(bool modal) {
    setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    show();
    if (!modal) return;
    QEventLoop loop;
    connect(this, &frmMultiPgPreview::closed, &loop, &QEventLoop::quit);
    loop.exec();
}

void frmMultiPgPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

void frmMultiPgPreview::Form_Activate() {
    unsetCursor();
    // Every activation starts with the full-size page.
    cmdFullPage_->setChecked(false);
    picFullPage_->hide();
    Picture1_->show();
    RefreshLayout();
    if (pageAreaWidth() > Picture1_->width())
        Picture1_->move((pageAreaWidth() - Picture1_->width()) / 2, Picture1_->y());
    cmdFullPage_->setIcon(imgFit_[0]);
    Picture1_->setFocus();
}

void frmMultiPgPreview::RefreshLayout() {
    picHScroll_->setVisible(pageAreaWidth() < Picture1_->width());
    VScroll1_->setVisible(Picture1_->height() >= height());
    const int strip = picHScroll_->isVisible() ? toPixels(kHScrollStripHeight) : 0;
    Picture2_->setGeometry(width() - toPixels(kToolPanelWidth), 0, toPixels(kToolPanelWidth),
                           height() - strip);
    picHScroll_->setGeometry(0, height() - toPixels(kHScrollStripHeight), width(),
                             toPixels(kHScrollStripHeight));
    Picture2_->raise();
    picHScroll_->raise();
    if (picFullPage_->isVisible()) cmdFullPage_Click();
}

void frmMultiPgPreview::ShowPage(int index) {
    currentPage_ = index;
    showPageFile(PageFilePath(tempFolder_, index));
    VScroll1_->setValue(0);
    HScroll1_->setValue(0);
    RefreshLayout();
}

void frmMultiPgPreview::closeEvent(QCloseEvent* event) {
    DeletePageFiles(tempFolder_);
    PageNumber = 0;
    currentPage_ = 0;
    QWidget::closeEvent(event);
    emit closed();
}

void frmMultiPgPreview::cmd_quit_Click() { close(); }

// Esc closes the window as its Exit button does, wherever the focus is.
void frmMultiPgPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmd_quit_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMultiPgPreview::cmd_print_Click() {
    close();
    if (printHandler_) printHandler_();
}

void frmMultiPgPreview::cmdFullPage_Click() {
    if (!cmdFullPage_->isChecked()) {
        Picture1_->show();
        Picture1_->setFocus();
        picFullPage_->hide();
        cmdFullPage_->setIcon(imgFit_[0]);
        return;
    }
    setCursor(Qt::WaitCursor);
    cmdFullPage_->setIcon(imgFit_[1]);
    picFullPage_->clearImage();

    const int area = pageAreaWidth();
    QRect box;
    if (!picHScroll_->isVisible()) {
        const int h = height() - toPixels(2 * kFitMargin);
        const int w = static_cast<int>(h * kFitAspect);
        box = QRect((area - w) / 2, toPixels(kFitMargin), w, h);
    } else {
        const int w = area - toPixels(2 * kFitMargin);
        box = QRect(toPixels(kFitMargin), toPixels(kFitMargin), w, static_cast<int>(w * kFitAspect));
    }
    picFullPage_->setGeometry(box);

    const QImage& page = surface_.image();
    const double r = page.width() > 0 ? double(page.height()) / page.width() : 1.0;
    const double bw = box.width(), bh = box.height();
    QRectF fit;
    if (bh / bw > r)
        fit = QRectF(0, (bh - bw * r) / 2, bw, bw * r);
    else
        fit = QRectF((bw - bh / r) / 2, 0, bh / r, bh);
    picFullPage_->setImage(page, fit.toRect());

    Picture1_->hide();
    picFullPage_->show();
    picFullPage_->setFocus();
    unsetCursor();
}

void frmMultiPgPreview::VScroll1_Change(int value) {
    Picture1_->move(Picture1_->x(), -toPixels(value));
    Picture1_->setFocus();
}

void frmMultiPgPreview::HScroll1_Change(int value) {
    Picture1_->move(-toPixels(value), Picture1_->y());
    Picture1_->setFocus();
}

void frmMultiPgPreview::StepScroll(QScrollBar* bar, int direction, bool onlyIfVisible) {
    if (onlyIfVisible && !bar->isVisible()) return;
    bar->setValue(bar->value() + direction * bar->singleStep());
}

// Keys released on the page (Picture1 or the fit view).
bool frmMultiPgPreview::PageKeyUp(int key) {
    switch (key) {
    case Qt::Key_Home: ShowPage(0); return true;
    case Qt::Key_End: ShowPage(PageNumber); return true;
    case Qt::Key_Left: StepScroll(HScroll1_, -1, true); return true;
    case Qt::Key_Right: StepScroll(HScroll1_, +1, true); return true;
    case Qt::Key_Up: StepScroll(VScroll1_, -1, false); return true;
    case Qt::Key_Down: StepScroll(VScroll1_, +1, false); return true;
    default: return false;
    }
}

// Additions to the vertical bar's own keys.
bool frmMultiPgPreview::VScrollKeyUp(int key) {
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right: return PageKeyUp(key);
    case Qt::Key_PageUp: StepScroll(HScroll1_, -1, true); return true;
    case Qt::Key_PageDown: StepScroll(HScroll1_, +1, true); return true;
    default: return false;
    }
}

// Additions to the horizontal bar's own keys.
bool frmMultiPgPreview::HScrollKeyUp(int key) {
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down: return PageKeyUp(key);
    default: return false;
    }
}

void frmMultiPgPreview::Picture1_MouseDown(const QPointF& pos, Qt::MouseButton button,
                                           Qt::KeyboardModifiers mods) {
    if (button != Qt::LeftButton || (mods & Qt::ShiftModifier)) return;
    dragOrigin_ = pos.toPoint();
    dragging_ = true;
    setCursor(Qt::SizeAllCursor);
}

void frmMultiPgPreview::Picture1_MouseMove(const QPointF& pos, Qt::MouseButtons buttons) {
    if (!dragging_ || !(buttons & Qt::LeftButton)) return;
    // Scroll values and the page's offset are twips; the pointer moves in
    // pixels, converted so that the page follows the pointer.
    const QPoint delta = pos.toPoint() - dragOrigin_;
    int a = static_cast<int>(std::lround(-(toTwips(Picture1_->y()) + toTwips(delta.y()))));
    int b = static_cast<int>(std::lround(-(toTwips(Picture1_->x()) + toTwips(delta.x()))));
    a = VScroll1_->isVisible() ? std::clamp(a, VScroll1_->minimum(), VScroll1_->maximum())
                               : static_cast<int>(std::lround(-toTwips(Picture1_->y())));
    b = HScroll1_->isVisible() ? std::clamp(b, HScroll1_->minimum(), HScroll1_->maximum())
                               : static_cast<int>(std::lround(-toTwips(Picture1_->x())));
    Picture1_->move(-toPixels(b), -toPixels(a));
}

void frmMultiPgPreview::Picture1_MouseUp() {
    if (dragging_) {
        const QSignalBlocker vBlock(VScroll1_), hBlock(HScroll1_);
        if (VScroll1_->isVisible()) VScroll1_->setValue(static_cast<int>(std::lround(-toTwips(Picture1_->y()))));
        if (HScroll1_->isVisible()) HScroll1_->setValue(static_cast<int>(std::lround(-toTwips(Picture1_->x()))));
    }
    dragging_ = false;
    unsetCursor();
}

bool frmMultiPgPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == Picture1_ || watched == picFullPage_) return PageKeyUp(key);
        if (watched == VScroll1_) return VScrollKeyUp(key);
        if (watched == HScroll1_) return HScrollKeyUp(key);
    }
    if (watched == cmdFullPage_ && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape) return false;
        cmdFullPage_->setChecked(!cmdFullPage_->isChecked());
        cmdFullPage_Click();
        cmdFullPage_->setFocus();
        return true;
    }
    if (watched == Picture1_) {
        const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
        switch (type) {
        case QEvent::MouseButtonPress:
            Picture1_MouseDown(mouse()->position(), mouse()->button(), mouse()->modifiers());
            return true;
        case QEvent::MouseMove: Picture1_MouseMove(mouse()->position(), mouse()->buttons()); return true;
        case QEvent::MouseButtonRelease: Picture1_MouseUp(); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantrel::report
