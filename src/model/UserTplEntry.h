#pragma once
// The six user TPL boxes: typed texts (a refused one empties the box), Enter
// and leaving a box reformat and encode it into the image.
#include <string>

#include "model/ModelPart.h"

namespace vantrel {

class UserTplEntry : public ModelPart {
public:
    using ModelPart::ModelPart;

    EditResult SetUserTplText(Side side, int i, const std::string& text);
    EditResult CommitUserTpl(Side side, int i);
    EditResult LeaveUserTpl(Side side, int i);

    // A box's text; "Invalid Frequency" and an empty box for a refused one.
    void setTplBox(Side side, int i, const std::string& text);
    // The image's user tones in the boxes.
    void showUserTpl();
    // A box into the image; a failing box is emptied and the first tab shown.
    bool encodeUserTpl(Side side, int i, Messages& out);
};

}  // namespace vantrel
