#include "fleet/RadioIdentity.h"

#include "codeplug/ByteMap.h"
#include "codeplug/FactoryFields.h"
#include "codeplug/Identity.h"

namespace vantrel::fleet {

std::string SerialNumberText(const CodeplugImage& image) {
    if (serialNumberBlank(image)) return "";
    return image.text(bytemap::SerialNumber, bytemap::SerialNumberSize);
}

std::string ModelText(const CodeplugImage& image) {
    const ModelLabel label = ModelNumber(image);
    return label.action == ModelLabel::Action::Set ? label.text : "";
}

std::string ReadFileName(const std::string& serialNumber, const std::string& port) {
    // A device path names its file by its last part: /dev/ttyUSB0 -> ttyUSB0.
    std::string name = serialNumber;
    if (name.empty()) name = port.substr(port.rfind('/') + 1);
    for (char& c : name) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '_' || c == '.';
        if (!safe) c = '_';
    }
    if (name.empty() || name.front() == '.') name.insert(name.begin(), '_');
    return name + ".cpg";
}

}  // namespace vantrel::fleet
