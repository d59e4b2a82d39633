#include "model/ProgrammableButtons.h"

#include "codeplug/ButtonFunctions.h"
#include "codeplug/ByteMap.h"

namespace vantrel {

namespace bm = bytemap;

void ProgrammableButtons::buildShortPressLists(bool full) {
    copies_.shortLists = {buttons::shortPressTexts(full), buttons::shortPressTexts(full)};
    copies_.shortPosition = {-1, -1};
}

void ProgrammableButtons::showButtonCodes() {
    choose(0, state_.image.byte(bm::ButtonCodeS1) - 1, ShortByte::Keep);
    choose(1, state_.image.byte(bm::ButtonCodeS2) - 1, ShortByte::Keep);
}

void ProgrammableButtons::selectShort(int button, int position) { choose(button, position, ShortByte::Store); }

void ProgrammableButtons::choose(int button, int position, ShortByte shortByte) {
    const auto b = static_cast<std::size_t>(button);
    const int count = static_cast<int>(copies_.shortLists[b].size());
    // A list selects nothing for a position it does not have.
    copies_.shortPosition[b] = position >= 0 && position < count ? position : -1;
    shortChanged(button, shortByte);
}

void ProgrammableButtons::selectLong(int button, int position) {
    const auto b = static_cast<std::size_t>(button);
    const int count = copies_.longBasis[b] < 0
                          ? 0
                          : static_cast<int>(buttons::longPressList(copies_.longBasis[b], state_.image.byte(bm::RadioType))
                                                 .entries.size());
    copies_.longPosition[b] = position >= 0 && position < count ? position : -1;
    longChanged(button);
}

void ProgrammableButtons::shortChanged(int button, ShortByte store) {
    const auto b = static_cast<std::size_t>(button);
    const std::size_t shortByte = button == 0 ? bm::ButtonCodeS1 : bm::ButtonCodeS2;
    const std::size_t longByte = button == 0 ? bm::ButtonCodeL1 : bm::ButtonCodeL2;
    const int p = copies_.shortPosition[b];
    if (p < 0) {
        // No short-press function: the long-press list keeps its entries but
        // selects nothing and stores nothing.
        copies_.longPosition[b] = -1;
        copies_.longBasis[b] = -1;
        return;
    }
    if (p + 1 != state_.image.byte(shortByte)) state_.dataChanged = true;
    copies_.longBasis[b] = p;
    const auto list = buttons::longPressList(p, state_.image.byte(bm::RadioType));
    copies_.longPosition[b] = -1;
    int select = list.defaultPosition;
    if (state_.loadingImage) {
        select = -1;
        const int stored = state_.image.byte(longByte);
        for (std::size_t i = 0; i < list.codes.size(); ++i)
            if (list.codes[i] == stored) {
                select = static_cast<int>(i);
                break;
            }
    }
    selectLong(button, select);
    if (store == ShortByte::Store) state_.image.setByte(shortByte, static_cast<std::uint8_t>(p + 1));
}

void ProgrammableButtons::longChanged(int button) {
    const auto b = static_cast<std::size_t>(button);
    const std::size_t longByte = button == 0 ? bm::ButtonCodeL1 : bm::ButtonCodeL2;
    const int pos = copies_.longPosition[b];
    const auto codes = buttons::longPressList(copies_.longBasis[b], state_.image.byte(bm::RadioType)).codes;
    if (pos < 0 || pos >= static_cast<int>(codes.size())) return;
    const int code = codes[static_cast<std::size_t>(pos)];
    if (code != state_.image.byte(longByte)) state_.dataChanged = true;
    state_.image.setByte(longByte, static_cast<std::uint8_t>(code));
}

EditResult ProgrammableButtons::ChooseShortPress(int button, int position) {
    if (button < 0 || button > 1) return {{}, false};
    selectShort(button, position);
    return {take(), copies_.shortPosition[static_cast<std::size_t>(button)] == position};
}

EditResult ProgrammableButtons::ChooseLongPress(int button, int position) {
    if (button < 0 || button > 1) return {{}, false};
    selectLong(button, position);
    return {take(), copies_.longPosition[static_cast<std::size_t>(button)] == position};
}

}  // namespace vantrel
