#include "channels/ChannelEdits.h"

#include "channels/ChannelTexts.h"
#include "channels/FrequencyCodec.h"
#include "channels/Talkaround.h"
#include "channels/ToneTables.h"

namespace vantrel {

namespace {

constexpr unsigned kPriorityScanBit = 1;  // of OptionFlags

std::string cell(const AppState& state, int n, int column) {
    return ChannelCellText(state, n, column).value_or(std::string());
}

}  // namespace

bool PriorityScanEnabled(const CodeplugImage& image) { return image.bit(bytemap::OptionFlags, kPriorityScanBit); }

void SetScanMembership(CodeplugImage& image, int n, bool member) {
    image.setByte(bytemap::scanSlot(n), member ? static_cast<std::uint8_t>(n) : 0);
    const auto bit = static_cast<std::uint16_t>(1u << (n - 1));
    const std::uint16_t mask = image.word(bytemap::ScanMask);
    image.setWord(bytemap::ScanMask, static_cast<std::uint16_t>(member ? mask | bit : mask & ~bit));
}

bool ImageChannelEdits::isPriorityChannel(int n) const {
    return PriorityScanEnabled(state_.image) && state_.image.byte(bytemap::PrioScanChNo) == n;
}

void ImageChannelEdits::updateTalkaround(int n) {
    const std::string rxFreq = cell(state_, n, kColRxFrequency), rxSig = cell(state_, n, kColRxSignal);
    const std::string txFreq = cell(state_, n, kColTxFrequency), txSig = cell(state_, n, kColTxSignal);
    UpdateTalkaround(state_.image, n, ChannelPairTexts{rxFreq, rxSig, txFreq, txSig});
}

std::optional<Notice> ImageChannelEdits::commitFrequency(int n, Side side, std::string_view text) {
    const FrequencyResult result = EncodeFrequency(state_, n, side, text);
    switch (result.status) {
    case FrequencyStatus::Stored:
        state_.dataChanged = true;
        updateTalkaround(n);
        return std::nullopt;
    case FrequencyStatus::Empty:
    case FrequencyStatus::NotANumber:
        // The priority channel keeps its frequency whatever was typed.
        if (isPriorityChannel(n)) return result.notice() ? result.notice() : kPriorityFrequencyDelete;
        if (result.status == FrequencyStatus::NotANumber) return result.notice();
        DeleteFrequency(state_.image, n, side);
        state_.dataChanged = true;
        return std::nullopt;
    case FrequencyStatus::OutOfRange:
    case FrequencyStatus::OffRaster:
        break;
    }
    return result.notice();
}

void ImageChannelEdits::chooseSignal(int n, Side side, int code, bool inverted) {
    CodeplugImage& image = state_.image;
    image.setByte(SignalOffset(n, side), static_cast<std::uint8_t>(code));
    SetOptionValue(image, n, InversionOption(side), inverted ? 1 : 0);
    if (side == Side::Tx) {
        // The turn-off code only goes with DPL, the reverse burst only with TPL.
        const SignalKind kind = KindOfSignal(code);
        if (kind != SignalKind::Dpl) SetOptionValue(image, n, ChannelOption::TurnOffCode, 0);
        if (kind != SignalKind::Tpl && kind != SignalKind::UserTpl)
            SetOptionValue(image, n, ChannelOption::ReverseBurst, 0);
    }
    state_.dataChanged = true;
    updateTalkaround(n);
}

void ImageChannelEdits::setSwitch(int n, ChannelOption option, std::string_view text) {
    if (option == ChannelOption::Power && HasFixedPower(state_.image)) return;
    if (SetOptionText(state_.image, n, option, text)) state_.dataChanged = true;
}

std::optional<Notice> ImageChannelEdits::setScanMember(int n, bool member) {
    state_.dataChanged = true;
    if (member) {
        if (DecodeRxFrequency(state_, n).empty() || DecodeTxFrequency(state_, n).empty()) return kEmptyChannel;
        state_.prioChannelError = false;
    } else if (isPriorityChannel(n)) {
        return kRemovePriorityChannel;
    }
    SetScanMembership(state_.image, n, member);
    return std::nullopt;
}

}  // namespace vantrel
