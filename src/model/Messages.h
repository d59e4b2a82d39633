#pragma once
// A message box as data: what the editor shows, what vantrelctl prints.
#include <string>
#include <vector>

namespace vantrel {

enum class MessageIcon { None, Exclamation, Information, Critical };

struct Message {
    std::string text;
    std::string title = "Vantrel CPS";
    MessageIcon icon = MessageIcon::None;
    bool beep = false;  // the system beep sounds before the box

    bool operator==(const Message& o) const {
        return text == o.text && title == o.title && icon == o.icon && beep == o.beep;
    }
};

using Messages = std::vector<Message>;

}  // namespace vantrel
