#pragma once
// The factory fields' boxes: the password, the serial number (stored after
// the user's confirmation) and the super number as the image has it.
#include <functional>
#include <string>

#include "model/ModelPart.h"

namespace vantrel {

class FactoryEntry : public ModelPart {
public:
    using ModelPart::ModelPart;

    EditResult SetPassword(const std::string& text);
    EditResult EnterSerialNumber(const std::string& typed, const std::function<bool()>& confirm);
    // The password box into the image.
    void StorePassword();

    void showSerialNumber();
    void showSuperNumber();
};

}  // namespace vantrel
