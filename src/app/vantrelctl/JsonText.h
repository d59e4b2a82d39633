#pragma once
// A text as a JSON string: quotes, backslashes and control characters
// escaped; bytes above 0x7E (image text is Latin-1) as \u00XX.
#include <cstdio>
#include <string>

namespace vantrelctl {

inline std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

}  // namespace vantrelctl
