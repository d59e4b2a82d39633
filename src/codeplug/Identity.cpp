// Band table, channel count, model table and the radio identity byte.
#include "codeplug/Identity.h"

#include "codeplug/AppState.h"

namespace vantrel {

namespace {

constexpr int kUhfIfKHz = -45100;
constexpr int kVhfIfKHz = 45100;

// Rows are tried in order; a row for one ModelIndex comes before its band's
// general row.
constexpr BandRow kBandTable[] = {
    {0, kAnyModel, "403.00000 ~ 425.00000 MHz", 403, 425, true, kUhfIfKHz},
    {1, kAnyModel, "450.00000 ~ 470.00000 MHz", 450, 470, true, kUhfIfKHz},
    {2, kAnyModel, "136.00000 ~ 150.00000 MHz", 136, 150, false, kVhfIfKHz},
    {3, 18, "148.00000 ~ 174.00000 MHz", 148, 174, false, kVhfIfKHz},
    {3, kAnyModel, "150.00000 ~ 174.00000 MHz", 150, 174, false, kVhfIfKHz},
    {4, kAnyModel, "490.00000 ~ 512.00000 MHz", 490, 512, true, kUhfIfKHz},
};

struct ModelRow {
    int modelIndex;
    int radioType;
    const char* text;
};

// ModelIndex 18 (the 148 MHz variant) shares the texts of ModelIndex 2.
constexpr int kModelAlias18 = 18;
constexpr int kModelAlias18Target = 2;

constexpr ModelRow kModelTable[] = {
    {1, 3, "PYW37FNV5RT3"},  {1, 2, "PYW37ENV5RT3"},  {2, 3, "GXW37FNV5RT3"},
    {2, 2, "GXW37ENV5RT3"},  {3, 3, "W37FNV5RT4QN"},  {3, 2, "W37ENV5RT4QN"},
    {4, 3, "W37FNZ5RT1QN"},  {4, 7, "W37FBZ5RT1QN"},  {5, 3, "W37FNY5RT1QN"},
    {5, 7, "W37FBY5RT1QN"},  {6, 1, "PYW37MKV5RT3"},  {6, 0, "PYW37LKV5RT3"},
    {7, 1, "GXW37MKV5RT3"},  {7, 0, "GXW37LKV5RT3"},  {8, 1, "W37MKV5RT4QN"},
    {8, 0, "W37LKV5RT4QN"},  {8, 4, "W37PKV5RT4QN"},  {9, 1, "W37MKZ5RT1QN"},
    {9, 5, "W37MBZ5RT1QN"},  {10, 1, "W37MKY5RT1QN"}, {10, 5, "W37MBY5RT1QN"},
};

constexpr int kEightChannelModels[] = {4, 9};

int bandOf(const CodeplugImage& image) { return image.bits(bytemap::RadioType, 0, 4); }

}  // namespace

const BandRow* FindBandRow(const CodeplugImage& image) {
    const int band = bandOf(image);
    const int model = image.byte(bytemap::ModelIndex);
    for (const BandRow& row : kBandTable)
        if (row.band == band && (row.modelIndex == kAnyModel || row.modelIndex == model))
            return &row;
    return nullptr;
}

std::string FrequencyRangeText(const CodeplugImage& image) {
    const BandRow* row = FindBandRow(image);
    return row ? row->rangeText : "";
}

int ChannelCountFor(int modelIndex) {
    for (int m : kEightChannelModels)
        if (m == modelIndex) return 8;
    return 16;
}

int ApplyBandLimits(AppState& state) {
    if (const BandRow* row = FindBandRow(state.image)) {
        state.band.lowMHz = row->lowMHz;
        state.band.highMHz = row->highMHz;
        state.band.isUhf = row->isUhf;
        state.band.ifOffsetMHz = row->ifOffsetKHz / 1000.0;
        state.band.known = true;
    }
    const int count = ChannelCountFor(state.image.byte(bytemap::ModelIndex));
    state.image.setByte(bytemap::ChannelCount, static_cast<std::uint8_t>(count));
    return count;
}

ModelLabel ModelTable(int modelIndex, int radioType) {
    const int key = modelIndex == kModelAlias18 ? kModelAlias18Target : modelIndex;
    bool known = false;
    for (const ModelRow& row : kModelTable) {
        if (row.modelIndex != key) continue;
        known = true;
        if (row.radioType == radioType) return {ModelLabel::Action::Set, row.text};
    }
    return {known ? ModelLabel::Action::Keep : ModelLabel::Action::Empty, ""};
}

ModelLabel ModelNumber(const CodeplugImage& image) {
    return ModelTable(image.byte(bytemap::ModelIndex), image.byte(bytemap::RadioType));
}

}  // namespace vantrel
