#include "channels/widgets/ChannelGrid.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace vantrel {

ChannelGrid::ChannelGrid(EditorContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    table_ = new QTableWidget(this);
    table_->setObjectName("fgChannel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
}

void ChannelGrid::LayoutGrid() {}
void ChannelGrid::SizeChannelGrid() {
    channelCount_ = (ctx_.state.image.byte(bytemap::ModelIndex) == 4 ||
                     ctx_.state.image.byte(bytemap::ModelIndex) == 9) ? 8 : 16;
    ctx_.state.image.setByte(bytemap::ChannelCount, static_cast<std::uint8_t>(channelCount_));
}
void ChannelGrid::ShowChannelGrid() {}
void ChannelGrid::ShadeChannelGrid() {}
void ChannelGrid::GreyChannelGrid() {}
void ChannelGrid::TrimChannels() {}
void ChannelGrid::EndCellEdit() {}
void ChannelGrid::setLocked(bool locked) { table_->setEnabled(!locked); }
void ChannelGrid::tabSelected() {}
QString ChannelGrid::cellText(int row, int column) const {
    auto* item = table_->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace vantrel
