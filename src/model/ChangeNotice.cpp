#include "model/ChangeNotice.h"

#include "model/EditingModel.h"

namespace vantrel {

namespace {

// Copies b's value into a when they differ; true when they did.
template <typename T>
bool take(T& a, const T& b) {
    if (a == b) return false;
    a = b;
    return true;
}

}  // namespace

ChangeNotice Compare(EditingCopies& r, const EditingCopies& n) {
    ChangeNotice out;
    const auto mark = [&out](bool changed, Section s) {
        if (changed) out.add(s);
    };
    mark(take(r.tab, n.tab), Section::Tab);
    // Bitwise or: every field is taken, whichever differs first.
    mark(take(r.locked, n.locked) | take(r.passwordEnabled, n.passwordEnabled) |
             take(r.serialEnabled, n.serialEnabled) | take(r.superEnabled, n.superEnabled) |
             take(r.editorLoaded, n.editorLoaded),
         Section::Lock);
    mark(take(r.password, n.password) | take(r.serial, n.serial) | take(r.superNumber, n.superNumber),
         Section::Factory);
    mark(take(r.modelLabel, n.modelLabel) | take(r.rangeLabel, n.rangeLabel) |
             take(r.firmwareLabel, n.firmwareLabel) | take(r.codeplugLabel, n.codeplugLabel),
         Section::Labels);
    mark(take(r.tpl.rx, n.tpl.rx) | take(r.tpl.tx, n.tpl.tx), Section::UserTpl);
    mark(take(r.features, n.features), Section::Features);
    mark(take(r.timingTexts, n.timingTexts) | take(r.timingUpDown, n.timingUpDown) |
             take(r.timingMin, n.timingMin),
         Section::Timing);
    mark(take(r.shortLists, n.shortLists) | take(r.shortPosition, n.shortPosition) |
             take(r.longPosition, n.longPosition) | take(r.longBasis, n.longBasis),
         Section::Buttons);
    mark(take(r.channelList, n.channelList) | take(r.scanList, n.scanList) |
             take(r.priorityText, n.priorityText) | take(r.priorityUpDown, n.priorityUpDown) |
             take(r.priorityMax, n.priorityMax),
         Section::ScanLists);
    // A new size repaints every row.
    const bool resized = take(r.gridRows, n.gridRows) | take(r.gridChannels, n.gridChannels);
    for (std::size_t row = 1; row <= bytemap::MaxChannels; ++row) {
        bool changed = take(r.cells[row], n.cells[row]);
        changed |= take(r.revBurstStep[row - 1], n.revBurstStep[row - 1]);
        if (changed || resized) out.addRow(static_cast<int>(row));
    }
    return out;
}

}  // namespace vantrel
