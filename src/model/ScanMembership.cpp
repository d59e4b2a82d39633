#include "model/ScanMembership.h"

#include <algorithm>
#include "codeplug/ByteMap.h"
#include "codeplug/Identity.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

namespace {

void insertSorted(std::vector<int>& list, int channel) {
    list.insert(std::upper_bound(list.begin(), list.end(), channel), channel);
}

bool erase(std::vector<int>& list, int channel) {
    const auto it = std::find(list.begin(), list.end(), channel);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

}  // namespace

void ScanMembership::resetScanLists() {
    copies_.channelList.clear();
    copies_.scanList.clear();
    for (int c = 1; c <= ChannelCountFor(state_.image.byte(bm::ModelIndex)); ++c) copies_.channelList.push_back(c);
}

void ScanMembership::showScanList() {
    copies_.channelList.clear();
    for (int c = 1; c <= ChannelCountFor(state_.image.byte(bm::ModelIndex)); ++c) {
        // Membership is by position: a slot holding anything but 0 puts its
        // own channel in the list, so a stray value cannot name another one.
        if (state_.image.byte(bm::scanSlot(c)) != 0) insertSorted(copies_.scanList, c);
        else insertSorted(copies_.channelList, c);
    }
}

void ScanMembership::setMember(int channel, bool member) {
    auto& image = state_.image;
    image.setByte(bm::scanSlot(channel), member ? static_cast<std::uint8_t>(channel) : 0);
    std::uint16_t mask = image.word(bm::ScanMask);
    const auto bit = static_cast<std::uint16_t>(1u << (channel - 1));
    mask = member ? static_cast<std::uint16_t>(mask | bit) : static_cast<std::uint16_t>(mask & ~bit);
    image.setWord(bm::ScanMask, mask);
}

void ScanMembership::moveToChannelList(int channel) {
    if (!erase(copies_.scanList, channel)) return;
    state_.dataChanged = true;
    insertSorted(copies_.channelList, channel);
    setMember(channel, false);
}

EditResult ScanMembership::AddToScanList(int channel) {
    state_.dataChanged = true;
    if (std::find(copies_.channelList.begin(), copies_.channelList.end(), channel) == copies_.channelList.end())
        return {{}, false};
    if (cell(channel, kColRxFrequency).text.empty() || cell(channel, kColTxFrequency).text.empty())
        return {{Tell(vantrel::kEmptyChannel)}, false};
    insertSorted(copies_.scanList, channel);
    state_.prioChannelError = false;
    erase(copies_.channelList, channel);
    setMember(channel, true);
    return {};
}

EditResult ScanMembership::RemoveFromScanList(int channel) {
    state_.dataChanged = true;
    if (std::find(copies_.scanList.begin(), copies_.scanList.end(), channel) == copies_.scanList.end())
        return {{}, false};
    if (priorityScanTicked() && channel == state_.image.byte(bm::PrioScanChNo))
        return {{Tell(kRemovePriorityChannel)}, false};
    insertSorted(copies_.channelList, channel);
    erase(copies_.scanList, channel);
    setMember(channel, false);
    return {};
}

}  // namespace vantrel
