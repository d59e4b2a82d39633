#include "codeplug/FactoryFields.h"

#include <algorithm>

#include <cstdint>

namespace vantrel {

namespace bm = bytemap;

bool isPasswordChar(char32_t c) {
    return (c >= 1 && c <= 27) || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') ||
           (c >= U'a' && c <= U'z');
}

bool isPasswordText(const std::u32string& text) {
    for (char32_t c : text)
        if (!isPasswordChar(c)) return false;
    return true;
}

std::string StoredPassword(const CodeplugImage& image) {
    const std::size_t n = std::min<std::size_t>(image.byte(bm::PasswordLengthCopy), bm::PasswordSize);
    std::string text;
    for (std::size_t k = 0; k < n; ++k) text += static_cast<char>(image.byte(bm::Password + k));
    return text;
}

void StorePassword(AppState& state, const std::string& boxText) {
    if (state.passwordKept) return;
    auto& image = state.image;
    const auto n = static_cast<std::uint8_t>(boxText.size() > bm::PasswordSize ? bm::PasswordSize
                                                                              : boxText.size());
    image.setByte(bm::PasswordLength, n);
    image.setByte(bm::PasswordLengthCopy, n);
    image.setText(bm::Password, bm::PasswordSize, boxText.substr(0, n));
}

bool serialNumberBlank(const CodeplugImage& image) {
    for (std::size_t i = 0; i < bm::SerialNumberSize; ++i)
        if (image.byte(bm::SerialNumber + i) != 0xFF) return false;
    return true;
}

bool codeplugProtected(const CodeplugImage& image) {
    for (std::size_t i = 0; i < bm::PasswordSize; ++i)
        if (image.byte(bm::Password + i) != 0) return true;
    return false;
}

}  // namespace vantrel
