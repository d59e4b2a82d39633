// Whole-image loads, the population sequence, and what runs before the image
// leaves the program. The order of the steps is binding: several of them set
// off handlers that write bytes back.
#include "model/EditingModel.h"

#include <functional>

#include "base/NumberText.h"
#include "channels/FrequencyCodec.h"
#include "codeplug/ButtonFunctions.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/DefaultSettings.h"
#include "codeplug/FactoryFields.h"
#include "codeplug/Identity.h"
#include "codeplug/TimeOptions.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

namespace {

// Start-up values of the programmable buttons (bytes 240..243).
constexpr std::uint8_t kStartButtons[4] = {3, 8, 1, 8};

}  // namespace

Messages EditingModel::take() {
    Messages out;
    out.swap(pending_);
    return out;
}

int EditingModel::channelCount() const { return state_.image.byte(bm::ChannelCount); }

// ---- Start-up ---------------------------------------------------------------

Messages EditingModel::LoadEditor() {
    if (copies_.editorLoaded) return {};
    copies_.editorLoaded = true;
    copies_.tab = 0;
    // The grid's layout gives it all 16 rows; the channel count stays 0 until
    // a load sizes it.
    copies_.gridRows = static_cast<int>(bm::MaxChannels);
    auto& image = state_.image;
    for (int k = 0; k < 4; ++k) image.setByte(bm::ButtonCodeS1 + static_cast<std::size_t>(k), kStartButtons[k]);
    if (copies_.shortLists[0].empty())
        copies_.shortLists = {buttons::initialShortPressTexts(), buttons::initialShortPressTexts()};
    buttons_.selectShort(0, 2);
    buttons_.selectShort(1, 0);

    image.setByte(bm::RadioType, 15);
    ClearChannels(image);

    applyBandLimits();
    image.setByte(bm::ChannelCount, static_cast<std::uint8_t>(copies_.gridChannels));
    image.setByte(bm::PrioScanChNo, 1);
    showRadioInfo();
    tpl_.showUserTpl();
    scan_.resetScanLists();
    features_.showFeatureOptions();
    ResetTimeOptions(image);
    timing_.loadTimeOptions(pending_);
    timing_.showTimeOptions();
    grid_.showChannelGrid();
    image.setByte(bm::EditorMarker, 0xA5);
    // The editor starts locked until a whole-image load opens it.
    LockEditor();
    return take();
}

// ---- Population -------------------------------------------------------------

Messages EditingModel::PopulateEditor(LoadKind kind) {
    Messages out = LoadEditor();
    auto& image = state_.image;
    const bool fullLists = kind == LoadKind::FileOpen || kind == LoadKind::SuperNumber ||
                           !buttons::lacksPowerSwitch(image.byte(bm::RadioType));
    // A read resets the scan lists first and shows the versions last.
    const bool read = kind == LoadKind::Read;
    if (read) scan_.resetScanLists();
    buttons_.buildShortPressLists(fullLists);
    if (!read) scan_.resetScanLists();
    applyBandLimits();
    priority_.showPriorityChannel();
    if (!read) showVersions();
    grid_.sizeChannelGrid();
    showRadioInfo();
    // The stored codes are shown, not written back.
    copies_.shortPosition = {-1, -1};
    buttons_.showButtonCodes();
    SelectTab(1);
    tpl_.showUserTpl();
    scan_.showScanList();
    if (read) showVersions();

    const bool isProtected = codeplugProtected(image);
    if (isProtected) {
        if (image.byte(bm::PasswordLengthCopy) == 0)
            image.setByte(bm::PasswordLengthCopy, image.byte(bm::PasswordLength));
    } else {
        UnlockEditor();
    }
    factory_.showSerialNumber();
    factory_.showSuperNumber();
    features_.showFeatureOptions();
    timing_.loadTimeOptions(pending_);
    timing_.showTimeOptions();
    grid_.showChannelGrid();
    if (isProtected) {
        grid_.greyChannelGrid();
        LockEditor();
    } else {
        grid_.shadeChannelGrid();
    }
    Messages rest = take();
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

Messages EditingModel::LoadImage(LoadKind kind, const CodeplugImage::Bytes& bytes) {
    Messages out = LoadEditor();
    state_.loadingImage = true;
    if (kind == LoadKind::FileOpen) {
        state_.passwordKept = false;
        state_.passwordAttempts = 0;
    }
    factory_.SetPassword("");
    state_.image.replaceAll(bytes);
    Messages pop = PopulateEditor(kind);
    out.insert(out.end(), pop.begin(), pop.end());
    if (kind == LoadKind::Read) {
        state_.dataChanged = true;
        state_.image.setByte(bm::SerialWriteEnable, 0);
    } else {
        // The editor holds what the file holds: nothing to save until the
        // user changes something.
        state_.dataChanged = false;
    }
    copies_.serialEnabled = false;
    state_.loadingImage = false;
    return out;
}

Messages EditingModel::OpenDataFile(LoadKind kind, const std::string& path) {
    CodeplugImage loaded = state_.image;
    const CodeplugFileLoad load = CopyToBox(loaded, path);
    state_.loadFailed = !load.ok();
    if (!load.ok()) {
        Message m{load.status == CodeplugFileLoad::Status::WrongType ? kInvalidDataType : load.error,
                  kOpenFileTitle, MessageIcon::Exclamation,
                  load.status == CodeplugFileLoad::Status::WrongType};
        return {m};
    }
    return LoadImage(kind, loaded.bytes());
}

Messages EditingModel::EnterSuperNumber(const std::string& typed, const std::string& dataFolder) {
    return EnterSuperNumber(typed, [] { return true; }, dataFolder);
}

Messages EditingModel::EnterSuperNumber(const std::string& typed, const std::function<bool()>& confirm,
                                        const std::string& dataFolder) {
    std::string upper = typed;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    copies_.superNumber = upper;
    state_.image.setText(bm::SuperNumber, bm::SuperNumberSize, upper);
    if (!confirm()) {
        copies_.superNumber.clear();
        copies_.superEnabled = true;
        return {};
    }
    copies_.superEnabled = false;
    const DefaultFileRow* row = FindSuperNumber(upper);
    if (!row) {
        copies_.superNumber.clear();
        copies_.superEnabled = true;
        return {Tell(kRegionCodeInvalid)};
    }
    state_.loadingImage = true;
    Messages out;
    const CodeplugFileLoad result = LoadDefaultCodeplug(state_.image, *row, dataFolder);
    // A missing or damaged default file is an installation fault the user must hear of.
    if (!result.ok()) out.push_back(Tell(result.error));
    Messages pop = PopulateEditor(LoadKind::SuperNumber);
    out.insert(out.end(), pop.begin(), pop.end());
    state_.loadingImage = false;
    return out;
}

Messages EditingModel::Default() {
    auto& image = state_.image;
    SelectTab(0);
    factory_.SetPassword("");
    copies_.firmwareLabel.clear();
    copies_.serial.clear();
    ApplyDefaultSettings(image);
    features_.showFeatureOptions();
    timing_.loadTimeOptions(pending_);
    timing_.showTimeOptions();
    ApplyDefaultUserTpl(image);
    tpl_.showUserTpl();
    ClearChannels(image);
    image.setByte(bm::PrioScanChNo, 1);
    priority_.showPriorityChannel();
    buttons_.selectShort(0, 2);
    buttons_.selectShort(1, 4);
    buttons_.selectLong(0, 0);
    buttons_.selectLong(1, 7);
    ApplyDefaultChannel(image);
    scan_.resetScanLists();
    scan_.showScanList();
    grid_.showChannelGrid();
    grid_.shadeChannelGrid();
    return take();
}

// ---- Identity steps ---------------------------------------------------------

void EditingModel::applyBandLimits() { priority_.setPriorityMaximum(vantrel::ApplyBandLimits(state_)); }

void EditingModel::showModelNumber() {
    const ModelLabel m = ModelNumber(state_.image);
    if (m.action == ModelLabel::Action::Set) copies_.modelLabel = m.text;
    else if (m.action == ModelLabel::Action::Empty) copies_.modelLabel.clear();
}

void EditingModel::showVersions() {
    copies_.codeplugLabel = ShowCodeplugVersion(state_.image);
    copies_.firmwareLabel = FirmwareVersionText(state_.image);
    showModelNumber();
}

void EditingModel::showRadioInfo() {
    priority_.setPriorityBox(std::to_string(copies_.priorityUpDown));
    copies_.rangeLabel = FrequencyRangeText(state_.image);
    showModelNumber();
}

void EditingModel::LockEditor() {
    LoadEditor();
    copies_.locked = true;
    copies_.passwordEnabled = false;
    copies_.serialEnabled = false;
}

void EditingModel::UnlockEditor() {
    copies_.locked = false;
    copies_.passwordEnabled = true;
    copies_.serialEnabled = true;
    copies_.superEnabled = copies_.superNumber.empty();
}

void EditingModel::ReadFailed() {
    state_.dataChanged = true;
    state_.image.setByte(bm::SerialWriteEnable, 0);
    copies_.serialEnabled = false;
}

void EditingModel::UnlockProtected() {
    UnlockEditor();
    grid_.shadeChannelGrid();
    state_.passwordKept = false;
    factory_.SetPassword(StoredPassword(state_.image));
    state_.passwordAttempts = 0;
}

void EditingModel::SelectTab(int tab) {
    if (tab == copies_.tab) return;
    copies_.tab = tab;
    if (tab == 1) grid_.TrimChannels();
}

// ---- Checks before a write or a save ----------------------------------------

std::optional<UserTplBox> FirstUserTplBelowMinimum(const UserTplBoxes& boxes) {
    for (int k = 0; k < 3; ++k)
        for (Side side : {Side::Rx, Side::Tx})
            if (LeadingNumber(boxes.box(side, k)).compare(kUserTplMinHz) < 0) return UserTplBox{side, k};
    return std::nullopt;
}

bool PriorityOutsideScanList(const std::string& priorityText, const std::vector<int>& channelList) {
    const Decimal priority = LeadingNumber(priorityText);
    const std::size_t n = channelList.size();
    for (std::size_t i = 0; i <= n; ++i)
        if (priority.compare(i < n ? channelList[i] : 0) == 0) return true;
    return false;
}

bool EditingModel::checkUserTplFrequencies(Messages& out) {
    const auto failing = FirstUserTplBelowMinimum(copies_.tpl);
    if (!failing) return true;
    out.push_back(Tell(kInvalidFrequency));
    tpl_.setTplBox(failing->side, failing->index, "");
    return false;
}

bool EditingModel::checkPriorityChannel(Messages& out) {
    if (!PriorityOutsideScanList(copies_.priorityText, copies_.channelList)) return true;
    out.push_back(Tell(PriorityNotInScanList()));
    SelectTab(0);
    return false;
}

EditResult EditingModel::CheckUserTplBoxes() {
    EditResult r;
    r.ok = checkUserTplFrequencies(r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

EditResult EditingModel::CheckPriorityScanChannel() {
    EditResult r;
    r.ok = !priorityScanTicked() || checkPriorityChannel(r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

namespace {

// Both checks in order; the second runs only when the first passed.
EditResult bothChecks(EditResult first, const std::function<EditResult()>& second) {
    if (!first.ok) return first;
    EditResult r = second();
    first.messages.insert(first.messages.end(), r.messages.begin(), r.messages.end());
    first.ok = r.ok;
    return first;
}

}  // namespace

EditResult EditingModel::CheckBeforeWrite() {
    return bothChecks(CheckPriorityScanChannel(), [this] { return CheckUserTplBoxes(); });
}

EditResult EditingModel::CheckBeforeSave() {
    return bothChecks(CheckUserTplBoxes(), [this] { return CheckPriorityScanChannel(); });
}

std::string PrepareImageForWrite(CodeplugImage& image) {
    std::string version = ShowCodeplugVersion(image);
    SetFixedWriteBytes(image);
    return version;
}

void EditingModel::PrepareForWrite() {
    timing_.keepTimingInRange();
    copies_.codeplugLabel = PrepareImageForWrite(state_.image);
}

Messages EditingModel::EncodeUserTones() {
    Messages out;
    for (int i = 0; i < 3; ++i) {
        tpl_.encodeUserTpl(Side::Tx, i, out);
        tpl_.encodeUserTpl(Side::Rx, i, out);
    }
    Messages more = take();
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

void EditingModel::PrepareForSave() {
    timing_.keepTimingInRange();
    state_.passwordKept = !copies_.passwordEnabled;
    factory_.StorePassword();
    EncodeUserTpls(state_.image, copies_.tpl);
}

std::string EditingModel::SaveToFile(const std::string& path) {
    PrepareForSave();
    return CopyToFile(state_.image, copies_.serial, path);
}

}  // namespace vantrel
