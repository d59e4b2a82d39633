#include "gui/channels/ScanListPanel.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "codeplug/Identity.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListTexts.h"
#include "gui/codeplug/KeyTouch.h"

namespace vantrel {

namespace {


QString itemText(int channel) { return QStringLiteral("%1").arg(channel, 3, 10, QChar('0')); }

// A box's numeric value: its leading number, 0 when there is none.
void selectRow(QListWidget* list, int row) {
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

ScanListPanel::ScanListPanel(EditorContext& ctx, ChannelGrid& grid, QWidget* parent)
    : QWidget(parent), ctx_(ctx), grid_(grid) {

    auto* label1 = new QLabel(tr("Channel"), this);
    label1->setObjectName("Label1");
    auto* label21 = new QLabel(tr("Scan List"), this);
    label21->setObjectName("Label21");
    lstChannel_ = new QListWidget(this);
    lstChannel_->setObjectName("LstChannel");
    lstScan_ = new QListWidget(this);
    lstScan_->setObjectName("LstScan");
    for (QListWidget* list : {lstChannel_, lstScan_}) {
        list->setSortingEnabled(true);  // three digits sort in channel order
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    cmdAdd_ = new QPushButton(tr("Add >>"), this);
    cmdAdd_->setObjectName("CmdAdd");
    cmdRemove_ = new QPushButton(tr("<< Remove"), this);
    cmdRemove_->setObjectName("CmdRemove");
    txtPrio_ = new QLineEdit(QStringLiteral("1"), this);
    txtPrio_->setObjectName("txtPrioScanChNo");
    udPrio_ = new QSpinBox(this);
    udPrio_->setObjectName("udPrioScanChNo");
    udPrio_->setRange(1, static_cast<int>(bytemap::MaxChannels));
    udPrio_->setValue(1);
    // Only its arrows show: the number lives in txtPrioScanChNo, its buddy.
    udPrio_->setFixedWidth(udPrio_->sizeHint().height());
    udPrio_->setFocusPolicy(Qt::NoFocus);

    // The two lists side by side with the buttons between them, the priority
    // channel below; the lists are as wide as three digits and take the height.
    const int listWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 6;
    for (QListWidget* list : {lstChannel_, lstScan_}) {
        list->setFixedWidth(listWidth);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    // Both as wide as the wider caption ("<< Remove" in English).
    const int buttonWidth =
        std::max(fontMetrics().horizontalAdvance(cmdAdd_->text()), fontMetrics().horizontalAdvance(cmdRemove_->text()));
    for (QPushButton* button : {cmdAdd_, cmdRemove_}) button->setFixedWidth(buttonWidth + 16);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd_);
    buttons->addWidget(cmdRemove_);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(label21, 0, 2);
    layout->addWidget(lstChannel_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(lstScan_, 1, 2);
    layout->setRowStretch(1, 1);
    prioRow_ = new QHBoxLayout;
    prioRow_->addWidget(txtPrio_);
    prioRow_->addWidget(udPrio_);
    prioRow_->addStretch(1);
    txtPrio_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);
    layout->addLayout(prioRow_, 2, 0, 1, 3);

    connect(cmdAdd_, &QPushButton::clicked, this, &ScanListPanel::CmdAdd_Click);
    connect(cmdRemove_, &QPushButton::clicked, this, &ScanListPanel::CmdRemove_Click);
    connect(txtPrio_, &QLineEdit::textChanged, this, &ScanListPanel::priorityChanged);
    // The up-down steps its buddy box; the box's change does the rest.
    connect(udPrio_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int v) {
        if (BoxNumber(txtPrio_->text().toStdString()) == v && !txtPrio_->text().isEmpty()) return;
        const int toldBefore = priorityMessages_;
        arrowStepping_ = true;
        txtPrio_->setText(QString::number(v));
        arrowStepping_ = false;
        // The button's release went to the message box, so the arrow would go
        // on repeating (and telling) by itself: one press, one message.
        if (priorityMessages_ != toldBefore) stopArrowRepeat();
    });
    // A deleted frequency took its channel out of the scan list (in the
    // model); the buttons follow the lists.
    connect(&grid_, &ChannelGrid::channelFrequencyDeleted, this, &ScanListPanel::finishButtons);

    for (QWidget* w : {static_cast<QWidget*>(lstChannel_), static_cast<QWidget*>(lstScan_),
                       lstChannel_->viewport(), lstScan_->viewport(), static_cast<QWidget*>(cmdAdd_),
                       static_cast<QWidget*>(cmdRemove_), static_cast<QWidget*>(txtPrio_),
                       static_cast<QWidget*>(udPrio_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void ScanListPanel::placePriorityLabel(QLabel* label) { prioRow_->insertWidget(0, label); }

void ScanListPanel::showLists(const std::vector<int>& channels, const std::vector<int>& scanned) {
    lstChannel_->clear();
    lstScan_->clear();
    for (int c : channels) lstChannel_->addItem(itemText(c));
    for (int c : scanned) lstScan_->addItem(itemText(c));
}

void ScanListPanel::updateButtons() {
    const bool channels = lstChannel_->count() > 0;
    cmdAdd_->setEnabled(channels);
    if (channels) selectRow(lstChannel_, 0);
    const bool scanned = lstScan_->count() > 0;
    cmdRemove_->setEnabled(scanned);
    if (scanned) selectRow(lstScan_, 0);
}

void ScanListPanel::setLocked(bool locked) {
    for (QWidget* w : std::initializer_list<QWidget*>{lstChannel_, lstScan_, cmdAdd_, cmdRemove_,
                                                       txtPrio_, udPrio_})
        w->setEnabled(!locked);
}

void ScanListPanel::finishButtons() {
    if (lstScan_->count() > 0) {
        cmdRemove_->setEnabled(true);
        selectRow(lstScan_, lstScan_->count() - 1);
    } else {
        cmdRemove_->setEnabled(false);
    }
    if (lstChannel_->count() > 0) {
        cmdAdd_->setEnabled(true);
        selectRow(lstChannel_, 0);
    } else {
        cmdAdd_->setEnabled(false);
    }
}

void ScanListPanel::CmdAdd_Click() {
    ctx_.touch();
    emit edited();
    QListWidgetItem* item = lstChannel_->currentItem();
    if (!item || !item->isSelected()) return;  // nothing chosen, nothing to add
    const int c = item->text().toInt();
    if (!ctx_.forward([c](EditingModel& m) { return m.AddToScanList(c); }, Gesture(Section::ScanLists)).ok) return;
    // Add's own button step: the remove side only ever gains an item here.
    if (lstChannel_->count() > 0)
        selectRow(lstChannel_, 0);
    else
        cmdAdd_->setEnabled(false);
    if (lstScan_->count() > 0) {
        cmdRemove_->setEnabled(true);
        selectRow(lstScan_, lstScan_->count() - 1);
    }
}

void ScanListPanel::CmdRemove_Click() {
    ctx_.touch();
    emit edited();
    QListWidgetItem* item = lstScan_->currentItem();
    if (item && item->isSelected()) {
        const int c = item->text().toInt();
        ctx_.forward([c](EditingModel& m) { return m.RemoveFromScanList(c); }, Gesture(Section::ScanLists));
    }
    finishButtons();
}

void ScanListPanel::priorityChanged() {
    const QString typed = txtPrio_->text();
    txtPrio_->setCursorPosition(typed.size());
    const EditResult r = ctx_.forward([text = typed.toStdString()](EditingModel& m) { return m.SetPriorityText(text); },
                                      Gesture(Section::ScanLists));
    // A channel outside the scan list while a TPL box is empty: the box
    // that blocks the edit takes the focus.
    QWidget* emptyTpl = hooks.firstEmptyTplBox ? hooks.firstEmptyTplBox() : nullptr;
    if (emptyTpl && !r.messages.empty()) emptyTpl->setFocus();
    if (!r.messages.empty()) ++priorityMessages_;
}

void ScanListPanel::stopArrowRepeat() {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(udPrio_, &release);
}

void ScanListPanel::txtPrioScanChNo_KeyDown(int key) {
    const int v = BoxNumber(txtPrio_->text().toStdString());
    if (key == Qt::Key_Up)
        txtPrio_->setText(QString::number(v >= 16 ? 16 : v + 1));
    else if (key == Qt::Key_Down)
        txtPrio_->setText(QString::number(v <= 1 ? 1 : v - 1));
    else
        return;
    txtPrio_->setCursorPosition(txtPrio_->text().size());
}

void ScanListPanel::statusFor(QObject* watched) {
    QString text;
    if (watched == lstChannel_ || watched == lstChannel_->viewport())
        text = tr("Channel List");
    else if (watched == lstScan_ || watched == lstScan_->viewport())
        text = tr("Scan List Channel");
    else if (watched == cmdAdd_)
        text = tr("Scan List Add Button");
    else if (watched == cmdRemove_)
        text = tr("Scan List Remove Button");
    else
        text = tr("Priority Scan Channel Number : 1 to %1Ch")
                   .arg(ctx_.state.image.byte(bytemap::ChannelCount));
    ctx_.setStatusText(text);
}

bool ScanListPanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Timer:
        // The arrow's auto-repeat waits while its step's message is up.
        if (watched == udPrio_ && arrowStepping_) return true;
        break;
    case QEvent::MouseMove:
        statusFor(watched);
        break;
    case QEvent::MouseButtonPress:
        if (watched == lstChannel_->viewport()) lstScan_->clearSelection();
        if (watched == lstScan_->viewport()) lstChannel_->clearSelection();
        if (watched == udPrio_) {
            txtPrio_->setFocus();
            ctx_.touch();
        }
        break;
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(event);
        const int key = k->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == lstChannel_ && !enter) lstScan_->clearSelection();
        if (watched == lstScan_ && !enter) lstChannel_->clearSelection();
        const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
        if (watched == txtPrio_ && (arrow || TouchesEditor(*k))) ctx_.touch();
        if (watched == txtPrio_ && arrow) {
            txtPrioScanChNo_KeyDown(key);
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
