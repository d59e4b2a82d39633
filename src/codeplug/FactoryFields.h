#pragma once
// Serial number, regional super number and codeplug password: the image side.
#include <string>

#include "codeplug/AppState.h"

namespace vantrel {

// Codes 1 to 27 (control keys), digits and ASCII letters.
bool isPasswordChar(char32_t c);
bool isPasswordText(const std::u32string& text);

// The codeplug's password as the unlock prompt compares it: the stored
// bytes up to the length copy (byte 379), one character each.
std::string StoredPassword(const CodeplugImage& image);

// Stores the password box's text, unless passwordKept is set.
void StorePassword(AppState& state, const std::string& boxText);

// All ten serial bytes 0xFF: the radio has no serial number.
bool serialNumberBlank(const CodeplugImage& image);

// The protection test of the population: any password byte non-zero.
bool codeplugProtected(const CodeplugImage& image);

}  // namespace vantrel
