#include "gui/channels/ChannelGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

#include "channels/ChannelOptions.h"
#include "channels/ChannelTexts.h"
#include "channels/FrequencyCodec.h"
#include "channels/SignalText.h"
#include "codeplug/Identity.h"
#include "gui/channels/GridColumns.h"
#include "gui/channels/GridTable.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/common/Twips.h"

namespace vantrel {

namespace gc = gridcol;

namespace {

constexpr int kGreyRole = Qt::UserRole + 1;

QColor normalColour() { return QApplication::palette().color(QPalette::Active, QPalette::ButtonText); }
QColor greyColour() { return QApplication::palette().color(QPalette::Disabled, QPalette::Text); }

// Tooltip of the frequency columns: the band's limits ("150 ~ 174 MHz").
QString bandText(const CodeplugImage& image) {
    const BandRow* row = FindBandRow(image);
    return row ? QStringLiteral("%1 ~ %2 MHz").arg(row->lowMHz).arg(row->highMHz) : QString();
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::NoItemFlags);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(QApplication::palette().brush(QPalette::Button));
    item->setForeground(normalColour());
    return item;
}

QTableWidgetItem* cellItem() {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

ChannelGrid::ChannelGrid(EditorContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    hooks.editorForm = [this] { return window(); };

    table_ = new ChannelTable(*this, this);
    table_->setObjectName("fgChannel");
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The design default is grey; unlocking turns the text to the normal colour.
    QPalette pal = table_->palette();
    pal.setColor(QPalette::Text, greyColour());
    table_->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addStretch();

    txtChannelInput_ = new QLineEdit(this);
    txtChannelInput_->setObjectName("txtChannelInput");
    txtChannelInput_->setAlignment(Qt::AlignCenter);
    txtChannelInput_->hide();
    txtChannelInput_->installEventFilter(this);
}

// The editor going away takes an open tone dialog with it; its windows are
// going too, so there is nothing to re-enable.
ChannelGrid::~ChannelGrid() { delete toneDialog_.data(); }

QTableWidget* ChannelGrid::table() const { return table_; }

int ChannelGrid::currentRow() const { return table_->currentRow(); }
int ChannelGrid::currentColumn() const { return table_->currentColumn(); }
void ChannelGrid::setCurrent(int row, int column) { table_->setCurrentCell(row, column); }
int ChannelGrid::rows() const { return std::max(table_->rowCount() - 1, 0); }

void ChannelGrid::touch() {
    ctx_.touch();
    emit edited();
}

QString ChannelGrid::cellText(int row, int column) const {
    auto* item = table_->item(row, column);
    return item ? item->text() : QString();
}

void ChannelGrid::setCellText(int row, int column, const QString& text) {
    if (auto* item = table_->item(row, column)) item->setText(text);
}

bool ChannelGrid::isCellGrey(int row, int column) const {
    auto* item = table_->item(row, column);
    return item && item->data(kGreyRole).toBool();
}

void ChannelGrid::setCellGrey(int row, int column, bool grey) {
    auto* item = table_->item(row, column);
    if (!item) return;
    item->setData(kGreyRole, grey);
    item->setForeground(grey ? greyColour() : normalColour());
}

void ChannelGrid::LayoutGrid() {
    table_->setColumnCount(gc::kColumns);
    for (int c = 0; c < gc::kColumns; ++c)
        table_->setColumnWidth(c, twips(gc::kColumnInfo[c].widthTwips));
    applyRowCount(static_cast<int>(bytemap::MaxChannels));
    setMinimumWidth(twips(gc::kGridWidthTwips));
    table_->setFixedHeight(twips(gc::kGridHeightTwips));
}

void ChannelGrid::applyRowCount(int n) {
    const int old = table_->rowCount();
    table_->setRowCount(n + 1);
    for (int r = old; r <= n; ++r) {
        for (int c = 0; c < gc::kColumns; ++c) {
            if (r == 0)
                table_->setItem(r, c, fixedItem(QCoreApplication::translate("GridColumns", gc::kColumnInfo[c].header)));
            else
                table_->setItem(r, c, c == 0 ? fixedItem(QString::number(r)) : cellItem());
        }
    }
    for (int r = 0; r <= n; ++r) table_->setRowHeight(r, twips(gc::kRowHeightTwips));
    if (table_->currentRow() < 1 || table_->currentColumn() < 1) setCurrent(1, 1);
}

void ChannelGrid::showSize(int rows, int channelCount) {
    if (channelCount > 0) {
        if (channelCount != channelCount_ || table_->rowCount() != channelCount + 1) showRows(channelCount);
        return;
    }
    channelCount_ = 0;
    if (table_->rowCount() != rows + 1) applyRowCount(rows);
}

void ChannelGrid::showRows(int channelCount) {
    channelCount_ = channelCount;
    applyRowCount(channelCount_);
    table_->setFixedHeight(table_->frameWidth() * 2 +
                           twips(gc::kRowHeightTwips) * (channelCount_ + 1));
}

void ChannelGrid::setLocked(bool locked) {
    table_->setEnabled(!locked);
    QPalette pal = table_->palette();
    pal.setColor(QPalette::Text, locked ? greyColour() : normalColour());
    table_->setPalette(pal);
}

void ChannelGrid::hideCellEditor() { txtChannelInput_->hide(); }

void ChannelGrid::focusFirstCell() {
    setCurrent(1, 1);
    table_->setFocus();
}

void ChannelGrid::OpenRxToneDialog(int row) {
    closeToneDialog();
    toneDialog_ = new frmChannelToneOption(ctx_, *this, window());
    toneDialog_->open(row, Side::Rx);
}

void ChannelGrid::OpenTxToneDialog(int row) {
    closeToneDialog();
    toneDialog_ = new frmChannelToneOption(ctx_, *this, window());
    toneDialog_->open(row, Side::Tx);
}

frmChannelToneOption* ChannelGrid::toneDialog() const { return toneDialog_; }

void ChannelGrid::closeToneDialog() {
    if (toneDialog_) toneDialog_->close();
}

void ChannelGrid::fgChannel_MouseMove(int row, int column) {
    const auto& info = gc::kColumnInfo[column];
    QString tip;
    if (column == gc::ChNo)
        tip = tr("Ch No : %1").arg(row);
    else if (gc::isFrequency(column))
        tip = bandText(ctx_.state.image);
    else if (column == gc::Power)
        tip = HasFixedPower(ctx_.state.image) ? QString() : tr("High or Low");
    else
        tip = QCoreApplication::translate("GridColumns", info.tooltip);
    ctx_.setStatusText(QCoreApplication::translate("GridColumns", info.status));
    table_->setToolTip(tip);
}

}  // namespace vantrel
