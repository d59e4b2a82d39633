// Codeplug and firmware version texts of the "Radio Information" frame.
#include <cstdio>

#include "codeplug/Identity.h"

namespace vantrel {

namespace {

// Byte 349 (and the firmware's last nibble) at or above these marks a
// development build: the text starts with "D" instead of "R".
constexpr unsigned kReleaseCodeplugBelow = 10;
constexpr unsigned kReleaseFirmwareUpTo = 10;

struct FirmwareSuffix {
    int radioType;
    const char* suffix;
    const char* suffixForVariantA;   // radios whose super number's ninth character is 'A'
};

constexpr FirmwareSuffix kFirmwareSuffixes[] = {
    {0, ".UV1", ".UV1"}, {2, ".UV1", ".UV1"}, {1, ".UV2", ""},
    {3, ".UV2", ""},     {4, ".U4", ".U4"},
};

bool isTypeOneOrThree(int radioType) { return radioType == 1 || radioType == 3; }

char variantLetter(const CodeplugImage& image) {
    return static_cast<char>(image.byte(bytemap::SuperNumberVariant));
}

}  // namespace

void NormaliseCodeplugVersion(CodeplugImage& image) {
    const std::size_t last = bytemap::CodeplugVersion + 3;
    if (image.byte(last) >= kReleaseCodeplugBelow) return;
    const bool variantB = isTypeOneOrThree(image.byte(bytemap::RadioType)) && variantLetter(image) == 'B';
    image.setByte(last, variantB ? 1 : 0);
}

std::string CodeplugVersionText(const CodeplugImage& image) {
    const unsigned b0 = image.byte(bytemap::CodeplugVersion);
    const unsigned b1 = image.byte(bytemap::CodeplugVersion + 1);
    const unsigned b2 = image.byte(bytemap::CodeplugVersion + 2);
    const unsigned b3 = image.byte(bytemap::CodeplugVersion + 3);
    char text[32];
    std::snprintf(text, sizeof text, "%c%u%u.%X%X", b3 < kReleaseCodeplugBelow ? 'R' : 'D', b0, b1, b2, b3);
    return text;
}

std::string ShowCodeplugVersion(CodeplugImage& image) {
    NormaliseCodeplugVersion(image);
    return CodeplugVersionText(image);
}

std::string FirmwareVersionText(const CodeplugImage& image) {
    unsigned nibble[4];
    for (unsigned i = 0; i < 4; ++i) nibble[i] = image.byte(bytemap::FirmwareVersion + i) & 0x0Fu;

    const int radioType = image.byte(bytemap::RadioType);
    const char* suffix = "";
    for (const FirmwareSuffix& row : kFirmwareSuffixes)
        if (row.radioType == radioType)
            suffix = variantLetter(image) == 'A' ? row.suffixForVariantA : row.suffix;

    char text[32];
    std::snprintf(text, sizeof text, "%c%u%u.%u%X%s", nibble[3] <= kReleaseFirmwareUpTo ? 'R' : 'D', nibble[0],
                  nibble[1], nibble[2], nibble[3], suffix);
    return text;
}

}  // namespace vantrel
