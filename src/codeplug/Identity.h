#pragma once
// What the image says about the radio itself: band facts and channel count,
// model number, regional super numbers with their default data files, the
// version texts and the identity byte the radio answers with. The editor's
// "Radio Information" labels and the write protocol call these.
#include <array>
#include <cstdint>
#include <string>

#include "codeplug/CodeplugImage.h"

namespace vantrel {

struct AppState;

// ---- Band table (keyed by the low four bits of RadioType) -------------------

constexpr int kAnyModel = -1;

struct BandRow {
    int band;            // low four bits of RadioType
    int modelIndex;      // kAnyModel, or the one ModelIndex this row is for
    const char* rangeText;
    int lowMHz;
    int highMHz;
    bool isUhf;
    int ifOffsetKHz;
};

// The row for the image's RadioType and ModelIndex; nullptr for bands 5..15.
const BandRow* FindBandRow(const CodeplugImage& image);

// Text of the frequency range label; empty for bands outside the table.
std::string FrequencyRangeText(const CodeplugImage& image);

// 8 for the 8-channel models (ModelIndex 4 and 9), 16 for every other value.
int ChannelCountFor(int modelIndex);

// Sets state.band from the band table (left as it was for bands outside it),
// writes ChannelCount (byte 2) and returns the channel count, which is also
// the highest priority channel the editor offers.
int ApplyBandLimits(AppState& state);

// ---- Model table -----------------------------------------------------------

struct ModelLabel {
    enum class Action {
        Keep,   // known ModelIndex, but no row for this RadioType: label unchanged
        Empty,  // ModelIndex unknown: label emptied
        Set,    // label shows text
    };
    Action action;
    std::string text;
};

// RadioType is compared as a whole byte here.
ModelLabel ModelTable(int modelIndex, int radioType);
ModelLabel ModelNumber(const CodeplugImage& image);

// ---- Regional super numbers ------------------------------------------------

struct DefaultFileRow {
    const char* superNumber;
    int modelIndex;
    const char* fileName;   // in the data folder
};

constexpr std::size_t kDefaultFileCount = 29;
const std::array<DefaultFileRow, kDefaultFileCount>& DefaultFileTable();

// First row whose super number equals text exactly (the entry box upper-cases
// before looking up); nullptr when none does.
const DefaultFileRow* FindSuperNumber(const std::string& text);

// ---- Versions ----------------------------------------------------------------

// Byte 349 below 10 marks a release codeplug; the radio expects it to carry the
// variant: 1 for a B-variant (ninth super-number character) radio of type 1 or
// 3, 0 otherwise. Runs on every population and before every write.
void NormaliseCodeplugVersion(CodeplugImage& image);

// "R14.20" / "D14.2C" from bytes 346..349 as they are.
std::string CodeplugVersionText(const CodeplugImage& image);

// Normalises byte 349, then returns the codeplug version text.
std::string ShowCodeplugVersion(CodeplugImage& image);

// "R12.34.UV1" from the low nibbles of bytes 350..353 plus the variant suffix.
std::string FirmwareVersionText(const CodeplugImage& image);

}  // namespace vantrel
