#include "model/UserTplEntry.h"

#include "channels/ChannelMessages.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

void UserTplEntry::setTplBox(Side side, int i, const std::string& text) {
    // The boxes hold at most five characters.
    const std::string t = text.substr(0, 5);
    std::string& box = copies_.tpl.box(side, i);
    if (t == box) return;
    box = t;
    if (!UserTplTextRefused(t)) return;
    pending_.push_back(Tell(kInvalidFrequency));
    box.clear();
}

void UserTplEntry::showUserTpl() {
    UserTplBoxes b = copies_.tpl;
    vantrel::ShowUserTpl(state_.image, b);
    for (int i = 0; i < 3; ++i) {
        setTplBox(Side::Rx, i, b.rx[static_cast<std::size_t>(i)]);
        setTplBox(Side::Tx, i, b.tx[static_cast<std::size_t>(i)]);
    }
}

bool UserTplEntry::encodeUserTpl(Side side, int i, Messages& out) {
    const bool ok = side == Side::Tx ? EncodeTxUserTpl(state_.image, copies_.tpl, i)
                                     : EncodeRxUserTpl(state_.image, copies_.tpl, i);
    if (ok) return true;
    out.push_back(Tell(kInvalidFrequency));
    copies_.tab = 0;
    setTplBox(side, i, "");
    return false;
}

EditResult UserTplEntry::SetUserTplText(Side side, int i, const std::string& text) {
    if (i < 0 || i > 2) return {{}, false};
    state_.dataChanged = true;
    setTplBox(side, i, text);
    return {take(), copies_.tpl.box(side, i) == text};
}

EditResult UserTplEntry::CommitUserTpl(Side side, int i) {
    if (i < 0 || i > 2) return {{}, false};
    EditResult r;
    if (UserTplEnterIgnored(copies_.tpl.box(side, i))) return r;
    if (auto t = ReformatUserTplText(copies_.tpl.box(side, i))) setTplBox(side, i, *t);
    r.ok = encodeUserTpl(side, i, r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

EditResult UserTplEntry::LeaveUserTpl(Side side, int i) {
    if (i < 0 || i > 2) return {{}, false};
    if (copies_.tpl.box(side, i).empty()) {
        // A box may not be left empty: the first tab shows it.
        copies_.tab = 0;
        return {{Tell(kInvalidFrequency)}, false};
    }
    const auto t = ReformatUserTplText(copies_.tpl.box(side, i));
    if (!t) return {};
    setTplBox(side, i, *t);
    EditResult r;
    r.ok = encodeUserTpl(side, i, r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

}  // namespace vantrel
