#pragma once
// The channel grid `fgChannel` of the "Conventional Personality" tab and its
// in-cell editor `txtChannelInput`.
#include <QString>
#include <QWidget>

#include "codeplug/widgets/EditorContext.h"

class QTableWidget;

namespace vantrel {

class ChannelGrid : public QWidget {
    Q_OBJECT
public:
    explicit ChannelGrid(EditorContext& ctx, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // Channel count kept by the grid: set by SizeChannelGrid and by selecting
    // the grid's tab; 0 until either has run.
    int channelCount() const { return channelCount_; }

    void LayoutGrid();          // column headers, widths, tooltips (editor load)
    void SizeChannelGrid();     // 8 or 16 rows from ModelIndex
    void ShowChannelGrid();     // fills the cells; raises channelDataInvalid on failure
    void ShadeChannelGrid();    // colours for the unlocked editor
    void GreyChannelGrid();     // colours for the locked editor
    void TrimChannels();
    // Commits a pending in-cell edit exactly once; every menu command calls it.
    void EndCellEdit();
    void setLocked(bool locked);  // LockEditor / UnlockEditor's part
    // Runs the rules for selecting the grid's tab.
    void tabSelected();
    QString cellText(int row, int column) const;

signals:
    // The user deleted a channel's frequency: the scan list drops it.
    void channelFrequencyDeleted(int channel);
    void edited();  // the user changed channel data

private:
    EditorContext& ctx_;
    QTableWidget* table_ = nullptr;
    int channelCount_ = 0;
};

}  // namespace vantrel
