#include "gui/codeplug/frmMain.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/DataFolder.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/EditorSizes.h"
#include "gui/codeplug/EditorView.h"
#include "gui/codeplug/ModelMessages.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/StatusHelp.h"
#include "gui/codeplug/TabKeyOrder.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/common/Twips.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

// Editor placement: where the stored settings put it, then the fixed place
// the user sees.
struct PlacementKey {
    const char* key;
    int fallback;
};
const PlacementKey kPlacementKeys[4] = {
    {"MainLeft", 1000}, {"MainTop", 2000}, {"MainWidth", 6500}, {"MainHeight", 6400}};
using namespace editorsize;
constexpr int kEditorPointSize = 8;
// The grid's column widths come from twips; a " TPL: 254.1 Hz" cell and the
// "Rev Burst" header fit them at 7 points.
constexpr int kGridPointSize = 7;

}  // namespace

frmMain::frmMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent)
    : QWidget(parent),
      state_(state),
      store_(settings),
      model_(std::make_unique<EditingModel>(state)),
      ctx_{state, prompts, *model_} {
    setObjectName("frmMain");
    setWindowTitle(tr("Vantrel CPS"));
    ctx_.setStatusText = [this](const QString& t) { setStatusText(t); };
    ctx_.forward = [this](const ModelEdit& edit, ChangeNotice gesture) { return forward(edit, gesture); };
    // The editor's forms are laid out for an 8-point dialog font; the desktop's
    // larger default cuts captions and values off.
    QFont small = font();
    small.setPointSize(kEditorPointSize);
    setFont(small);
    buildForm();
    grid_->hooks.editorForm = [this] { return static_cast<QWidget*>(this); };
    scan_->hooks.firstEmptyTplBox = [this]() -> QWidget* { return tpl_->firstEmpty(); };
    installStatusHelp(
        this, ctx_.setStatusText, [this] {
            return tr("Priority Scan Channel Number : 1 to %1Ch").arg(state_.image.byte(bm::ChannelCount));
        });
    // The tab control itself (not its pages) shows the plain status text.
    sstMain_->tabBar()->installEventFilter(this);
}

void frmMain::buildForm() {
    sstMain_ = new QTabWidget(this);
    sstMain_->setObjectName("sstMain");
    auto* tab0 = new QWidget;
    auto* tab1 = new QWidget;
    sstMain_->addTab(tab0, tr("&Radio Configuration"));
    sstMain_->addTab(tab1, tr("Conventional Personality"));

    grid_ = new ChannelGrid(ctx_, tab1);
    QFont gridFont = font();
    gridFont.setPointSize(kGridPointSize);
    grid_->setFont(gridFont);
    auto* l1 = new QVBoxLayout(tab1);
    l1->addWidget(grid_);

    // The panel's own labels caption the lists, so the frame has no title.
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    scan_ = new ScanListPanel(ctx_, *grid_, frame1_);
    auto* lf = new QVBoxLayout(frame1_);
    lf->setContentsMargins(4, 4, 4, 4);
    lf->addWidget(scan_);

    info_ = new RadioInfoFrame(ctx_, tab0);
    tpl_ = new UserTplFrame(ctx_, tab0);
    buttons_ = new ButtonFrame(ctx_, tab0);
    settings_ = new RadioSettings(ctx_, *scan_, tab0);
    auto* l0 = new QGridLayout(tab0);
    l0->addWidget(info_, 0, 0, 2, 1);
    l0->addWidget(settings_->scanFrame(), 0, 1);
    l0->addWidget(settings_->totFrame(), 1, 1);
    l0->addWidget(settings_->featureBox(), 2, 1);
    l0->addWidget(buttons_, 0, 2);
    l0->addWidget(tpl_, 1, 2, 2, 1);
    l0->setRowStretch(3, 1);
    l0->setContentsMargins(4, 4, 4, 4);
    l0->setHorizontalSpacing(4);
    scan_->placePriorityLabel(settings_->priorityLabel());
    OrderFirstTab(*this);

    sbStatusBar_ = new QStatusBar(this);
    sbStatusBar_->setObjectName("sbStatusBar");
    sbStatusBar_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(sbStatusBar_);
    statusPanel_->setObjectName("sbStatusBarPanel1");
    sbStatusBar_->addWidget(statusPanel_, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(sstMain_, 1);
    top->addWidget(frame1_, 0);
    // At least its twip width, wider when the lists and buttons need it.
    frame1_->setFixedWidth(std::max(twips(2950), frame1_->sizeHint().width()));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 0);
    outer->addLayout(top, 1);
    outer->addWidget(sbStatusBar_);

    info_->enterSuperNumber = [this](const std::string& typed, const std::function<bool()>& confirm) {
        EnterSuperNumber(typed, confirm);
    };
    connect(sstMain_, &QTabWidget::currentChanged, this, &frmMain::tabChanged);
    tabChanged(sstMain_->currentIndex());
}

QString frmMain::statusText() const { return statusPanel_->text(); }
void frmMain::setStatusText(const QString& text) { statusPanel_->setText(text); }

void frmMain::setEditorVisible(bool visible) {
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    (frame ? frame : static_cast<QWidget*>(this))->setVisible(visible);
    if (frame) setVisible(visible);
}

bool frmMain::editorVisible() const { return isVisible(); }

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched != sstMain_->tabBar()) return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::MouseMove) {
        // The tab under the pointer names its page.
        const int tab = sstMain_->tabBar()->tabAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        setStatusText(tab >= 0 ? sstMain_->tabText(tab).remove(QLatin1Char('&')) : QString());
    }
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
        // Tab leaves the tab control for the page it shows.
        if (sstMain_->currentIndex() == 1) grid_->focusFirstCell();
        else info_->passwordBox()->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void frmMain::showTab(int index) {
    if (sstMain_->currentIndex() != index) {
        const QSignalBlocker block(sstMain_);
        sstMain_->setCurrentIndex(index);
    }
    // The grid is in the Tab-key order only while its tab shows.
    grid_->table()->setFocusPolicy(index == 1 ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmMain::tabChanged(int index) {
    // Selecting the channel tab trims the channels to the model's count.
    forward([index](EditingModel& m) {
        m.SelectTab(index);
        return EditResult{};
    }, Gesture(Section::Tab));
    if (index != 1) grid_->hideCellEditor();
}

// ---- Load and population ----------------------------------------------------

frmMain::~frmMain() = default;

void frmMain::tell(const Messages& messages) { ShowMessages(ctx_.prompts, messages); }

EditResult frmMain::forward(const ModelEdit& edit, ChangeNotice gesture) {
    EditResult result = edit(*model_);
    repaint(gesture);
    tell(result.messages);
    return result;
}

void frmMain::repaint(ChangeNotice more) {
    more |= model_->TakeChanges();
    showChanges(*model_, *this, more);
    if (more.has(Section::Lock)) showLock(false);
}

void frmMain::showWhole() {
    // An open cell edit belongs to the state being left.
    grid_->hideCellEditor();
    model_->TakeChanges();
    showChanges(*model_, *this, ChangeNotice::all());
    scan_->updateButtons();
    showLock(true);
}

void frmMain::showLock(bool always) {
    const EditingCopies& e = model_->copies();
    if (always || e.locked != shownLocked_) {
        shownLocked_ = e.locked;
        if (e.locked) lockControls();
        else unlockControls();
    }
    RadioInfoFrame& info = *info_;
    if (!e.locked) {
        info.passwordBox()->setEnabled(e.passwordEnabled);
        info.serialBox()->setEnabled(e.serialEnabled);
    }
    info.superBox()->setEnabled(e.superEnabled);
}

void frmMain::Load() {
    if (loaded_) return;
    store_.beginGroup("Settings");
    int placement[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        placement[i] = store_.value(kPlacementKeys[i].key).toString().toInt(&ok);
        if (!ok) placement[i] = kPlacementKeys[i].fallback;
    }
    store_.endGroup();
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* w = frame ? frame : static_cast<QWidget*>(this);
    w->setGeometry(twips(placement[0]), twips(placement[1]), twips(placement[2]), twips(placement[3]));
    w->setGeometry(0, 0, twips(kEditorWidth), twips(kEditorHeight));
    sstMain_->resize(twips(kTabsWidth), twips(kTabsHeight));
    grid_->LayoutGrid();

    // The start-up bytes and boxes; the whole form shows the model from here
    // on. The form stays usable until the main window locks it.
    loaded_ = true;
    const Messages messages = model_->LoadEditor();
    model_->TakeChanges();
    showChanges(*model_, *this, ChangeNotice::all());
    shownLocked_ = false;
    setEditorVisible(true);
    readPortFile();
    setEditorVisible(false);
    tell(messages);
}

void frmMain::showLoad(LoadKind kind, const Messages& messages) {
    repaint();
    showLock(true);
    if (kind == LoadKind::FileOpen || kind == LoadKind::CommandLine) update();
    tell(messages);
    if (model_->copies().locked) emit protectedLoaded();
}

void frmMain::PopulateEditor(LoadKind kind) {
    emit populating(kind);
    Load();
    showLoad(kind, kind == LoadKind::Read ? model_->LoadImage(kind, state_.image.bytes())
                                          : model_->PopulateEditor(kind));
}

bool frmMain::OpenDataFile(LoadKind kind, const QString& path) {
    Load();
    const Messages messages = model_->OpenDataFile(kind, path.toStdString());
    if (state_.loadFailed) {
        tell(messages);
        return false;
    }
    emit populating(kind);
    showLoad(kind, messages);
    return true;
}

void frmMain::LoadImage(LoadKind kind, const CodeplugImage::Bytes& bytes) {
    Load();
    emit populating(kind);
    showLoad(kind, model_->LoadImage(kind, bytes));
}

void frmMain::ReadFailed() {
    model_->ReadFailed();
    repaint();
}

void frmMain::UnlockProtected() {
    model_->UnlockProtected();
    repaint();
    showLock(true);
}

void frmMain::LockEditor() {
    Load();
    model_->LockEditor();
    repaint();
    showLock(true);
}

void frmMain::lockControls() {
    info_->setLocked(true);
    tpl_->setLocked(true);
    settings_->lock();
    buttons_->setLocked(true);
    scan_->setLocked(true);
    grid_->setLocked(true);
}

void frmMain::unlockControls() {
    info_->setLocked(false);
    sstMain_->setFocus();
    tpl_->setLocked(false);
    buttons_->setLocked(false);
    scan_->setLocked(false);
    settings_->unlock();
    emit commandsUnlocked();
    grid_->setLocked(false);
}

// ---- Factory fields ---------------------------------------------------------

void frmMain::EnterSuperNumber(const std::string& typed, const std::function<bool()>& confirm) {
    bool confirmed = false;
    const auto ask = [&] { return confirmed = confirm(); };
    const Messages messages = model_->EnterSuperNumber(typed, ask, DataFolder());
    // A known number after Yes loaded its radio's default data.
    const bool loaded = confirmed && !model_->copies().superEnabled;
    if (loaded) emit populating(LoadKind::SuperNumber);
    repaint(Gesture(Section::Factory));
    if (loaded) showLock(true);
    tell(messages);
    if (!loaded) return;
    setEditorVisible(true);
    info_->serialBox()->setFocus();
}

// ---- Default command --------------------------------------------------------

void frmMain::DefaultCommand() {
    const Messages messages = model_->Default();
    repaint();
    tell(messages);
}

}  // namespace vantrel
