#include "LinkWriteImage.h"

#include <cstdlib>

#include "codeplug/ByteMap.h"
#include "codeplug/Identity.h"

namespace vantrelctl {

namespace bm = vantrel::bytemap;

namespace {

bool Protected(const vantrel::CodeplugImage& image) {
    for (std::size_t n = 0; n < bm::PasswordSize; ++n)
        if (image.byte(bm::Password + n) != 0) return true;
    return false;
}

}  // namespace

vantrel::UserTplBoxes PrepareImageForWrite(vantrel::AppState& state) {
    vantrel::CodeplugImage& image = state.image;
    vantrel::ApplyBandLimits(state);
    vantrel::NormaliseCodeplugVersion(image);
    vantrel::UserTplBoxes boxes;
    vantrel::ShowUserTpl(image, boxes);
    if (Protected(image) && image.byte(bm::PasswordLengthCopy) == 0)
        image.setByte(bm::PasswordLengthCopy, image.byte(bm::PasswordLength));
    image.setByte(bm::Fixed60, 60);
    image.setByte(bm::Fixed20, 20);
    return boxes;
}

std::string FirstInvalidUserTpl(const vantrel::UserTplBoxes& boxes) {
    for (int i = 0; i < 3; ++i)
        for (const auto side : {vantrel::Side::Rx, vantrel::Side::Tx})
            if (std::atof(boxes.box(side, i).c_str()) < vantrel::kUserTplMinHz)
                return (side == vantrel::Side::Rx ? "TPL" + std::to_string(i + 1) + " Rx "
                                                  : "TPL" + std::to_string(i + 1) + " Tx ") +
                       boxes.box(side, i);
    return {};
}

}  // namespace vantrelctl
