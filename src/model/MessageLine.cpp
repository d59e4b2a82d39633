#include "model/MessageLine.h"

namespace vantrel {

std::string MessageLine(const Message& m) {
    std::string out;
    std::size_t start = 0;
    while (start <= m.text.size()) {
        std::size_t end = m.text.find('\n', start);
        if (end == std::string::npos) end = m.text.size();
        std::string part = m.text.substr(start, end - start);
        const auto first = part.find_first_not_of(" \r");
        if (first != std::string::npos) {
            part = part.substr(first, part.find_last_not_of(" \r") - first + 1);
            out += (out.empty() ? "" : " ") + part;
        }
        start = end + 1;
    }
    return out;
}

}  // namespace vantrel
