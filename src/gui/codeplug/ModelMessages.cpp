#include "gui/codeplug/ModelMessages.h"

#include "gui/common/CoreTexts.h"

namespace vantrel {

namespace {

Prompts::Icon promptIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return Prompts::Icon::Exclamation;
    case MessageIcon::Information:
        return Prompts::Icon::Information;
    case MessageIcon::Critical:
        return Prompts::Icon::Critical;
    case MessageIcon::None:
        break;
    }
    return Prompts::Icon::None;
}

}  // namespace

void ShowMessages(Prompts& prompts, const Messages& messages) {
    for (const Message& m : messages) {
        if (m.beep) prompts.beep();
        prompts.tell(TrCoreText(m.text), TrCoreText(m.title), promptIcon(m.icon));
    }
}

}  // namespace vantrel
