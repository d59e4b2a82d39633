#include "model/FactoryEntry.h"

#include "codeplug/DefaultSettings.h"
#include "codeplug/FactoryFields.h"
#include "codeplug/Identity.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

EditResult FactoryEntry::SetPassword(const std::string& text) {
    if (text == copies_.password) return {};
    state_.toolbarButtonDown = false;
    std::u32string wide(text.begin(), text.end());
    if (isPasswordText(wide)) {
        copies_.password = text.substr(0, bm::PasswordSize);
        return {};
    }
    copies_.password.clear();
    return {{Tell(kInvalidPassword)}, false};
}

EditResult FactoryEntry::EnterSerialNumber(const std::string& typed, const std::function<bool()>& confirm) {
    std::string upper = typed;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (upper.size() > bm::SerialNumberSize) {
        copies_.serial.clear();
        copies_.serialEnabled = true;
        return {{Tell(kInvalidSerial)}, false};
    }
    state_.image.setText(bm::SerialNumber, bm::SerialNumberSize, upper);
    const bool confirmed = confirm();
    copies_.serial = confirmed ? upper : std::string();
    copies_.serialEnabled = !confirmed;
    return {};
}

void FactoryEntry::showSerialNumber() {
    const auto& image = state_.image;
    copies_.serial = serialNumberBlank(image) ? std::string() : image.text(bm::SerialNumber, bm::SerialNumberSize);
    copies_.serialEnabled = copies_.serial.empty();
}

void FactoryEntry::showSuperNumber() {
    auto& image = state_.image;
    copies_.superNumber = image.text(bm::SuperNumber, bm::SuperNumberSize);
    if (const DefaultFileRow* row = FindSuperNumber(copies_.superNumber))
        image.setByte(bm::ModelIndex, static_cast<std::uint8_t>(row->modelIndex));
    copies_.superEnabled = copies_.superNumber.empty();
}

void FactoryEntry::StorePassword() { vantrel::StorePassword(state_, copies_.password); }

}  // namespace vantrel
