// vantrelctl show FILE.cpg [--json]: what the editor shows after opening a
// data file, taken from the editing model: the "Radio Information" frame, the
// radio-wide settings (scan, time-out timer, features, buttons), the channel
// grid, the user-defined TPL frequencies and the scan list, which is all the
// report prints. The JSON form carries the raw codes beside the texts; texts
// lose the leading blank the grid's centring hides.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Commands.h"
#include "JsonText.h"
#include "channels/ChannelOptions.h"
#include "channels/ChannelTexts.h"
#include "channels/FrequencyCodec.h"
#include "channels/UserTplCodec.h"
#include "cli/Table.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Identity.h"
#include "model/DisplayedFields.h"
#include "model/MessageLine.h"

namespace vantrelctl {

namespace {

namespace bm = vantrel::bytemap;
using vantrel::AppState;
using vantrel::CodeplugImage;
using vantrel::Side;

constexpr std::uint8_t kNoSerial = 0xFF;
constexpr int kUserTplCount = 3;

// ---- A little JSON -------------------------------------------------------------

// Members of one object, each value already in JSON.
class JsonObject {
public:
    JsonObject& add(const std::string& key, std::string json) {
        members_.emplace_back(key, std::move(json));
        return *this;
    }
    JsonObject& add(const std::string& key, long number) { return add(key, std::to_string(number)); }
    std::string str() const {
        std::string out = "{";
        for (std::size_t i = 0; i < members_.size(); ++i)
            out += (i ? ", " : "") + JsonString(members_[i].first) + ": " + members_[i].second;
        return out + "}";
    }

private:
    std::vector<std::pair<std::string, std::string>> members_;
};

std::string jsonArray(const std::vector<std::string>& items, const char* indent) {
    if (items.empty()) return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < items.size(); ++i) out += indent + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
    return out + std::string(indent).substr(2) + "]";
}

// ---- Radio information -----------------------------------------------------------

struct InfoField {
    const char* label;
    const char* key;
    std::string text;
    bool numeric = false;            // a JSON number rather than a string
    const char* rawKey = nullptr;    // raw code shown beside the text in JSON
    int raw = 0;
};

std::vector<InfoField> radioInformation(const vantrel::EditingModel& model, int channels) {
    const CodeplugImage& image = model.image();
    const vantrel::EditingCopies& e = model.copies();
    return {
        {"Model Number", "modelNumber", e.modelLabel, false, "modelIndex", image.byte(bm::ModelIndex)},
        {"Frequency Range", "frequencyRange", e.rangeLabel, false, "radioType", image.byte(bm::RadioType)},
        {"Firmware Version", "firmwareVersion", e.firmwareLabel},
        {"Codeplug Version", "codeplugVersion", e.codeplugLabel},
        {"Serial Number", "serialNumber", e.serial},
        {"Regional Super Number", "superNumber", e.superNumber},
        {"Channels", "channelCount", std::to_string(channels), true},
    };
}

// ---- Channel grid ----------------------------------------------------------------

struct GridColumn {
    int column;
    const char* header;
    const char* key;
};

constexpr GridColumn kGridColumns[] = {
    {vantrel::kColRxFrequency, "Rx Freq.", "rxFrequency"},   {vantrel::kColRxSignal, "PL Option", "rxSignal"},
    {vantrel::kColSquelch, "SQ", "squelch"},                 {vantrel::kColMute, "Mute", "mute"},
    {vantrel::kColTxFrequency, "Tx Freq.", "txFrequency"},   {vantrel::kColTxSignal, "PL Option", "txSignal"},
    {vantrel::kColPower, "PWR", "power"},                    {vantrel::kColTurnOffCode, "TOC", "turnOffCode"},
    {vantrel::kColRxOnly, "Rx Only", "rxOnly"},              {vantrel::kColReverseBurst, "Rev Burst", "reverseBurst"},
    {vantrel::kColBclo, "BCLO", "bclo"},                     {vantrel::kColBandwidth, "Band", "bandwidth"},
    {vantrel::kColTalkaround, "TA", "talkaround"},
};

long frequencyCode(const CodeplugImage& image, int n, Side side) {
    const std::size_t at = vantrel::FreqCodeOffset(n, side);
    return image.byte(at) | (image.byte(at + 1) << 8) | (static_cast<long>(image.byte(at + 2)) << 16);
}

// The signalling texts start with a blank that the grid's centring hides.
std::string trimLeft(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first);
}

// The text of one cell and the raw bytes behind it, for the JSON form.
JsonObject rawCell(const vantrel::EditingModel& model, int n, int column) {
    const CodeplugImage& image = model.image();
    JsonObject cell;
    cell.add("text", JsonString(trimLeft(model.cell(n, column).text)));
    if (column == vantrel::kColRxFrequency || column == vantrel::kColTxFrequency) {
        const Side side = column == vantrel::kColRxFrequency ? Side::Rx : Side::Tx;
        cell.add("code", frequencyCode(image, n, side));
        cell.add("raster", image.byte(vantrel::RasterFlagOffset(n, side)));
        if (side == Side::Rx) cell.add("subBand", image.byte(bm::subBandIndex(n)));
    } else if (column == vantrel::kColRxSignal || column == vantrel::kColTxSignal) {
        const Side side = column == vantrel::kColRxSignal ? Side::Rx : Side::Tx;
        cell.add("code", image.byte(vantrel::SignalOffset(n, side)));
        cell.add("inverted", vantrel::OptionValue(image, n, vantrel::InversionOption(side)) ? "true" : "false");
    } else if (const auto option = vantrel::OptionOfColumn(column)) {
        cell.add("value", static_cast<long>(vantrel::OptionValue(image, n, *option)));
    }
    return cell;
}

// ---- User TPL and scan list --------------------------------------------------------

std::string threeDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

// ---- Output --------------------------------------------------------------------------

// The radio-wide settings, as the editor's first tab shows them.
bool isSetting(const vantrel::DisplayedField& f) {
    return f.section == "Scan" || f.section == "Time Out Timer" || f.section == "Features" ||
           f.section == "Programmable Button";
}

void printText(const vantrel::EditingModel& model, const std::vector<InfoField>& info, int channels) {
    const vantrel::EditingCopies& e = model.copies();
    for (const InfoField& f : info) std::printf("%-22s %s\n", (std::string(f.label) + ":").c_str(), f.text.c_str());

    std::string section;
    for (const vantrel::DisplayedField& f : vantrel::DisplayedFields(model)) {
        if (!isSetting(f)) continue;
        if (f.section != section) std::printf("\n%s\n", (section = f.section).c_str());
        std::printf("  %-36s %s\n", (f.name + ":").c_str(), f.text.c_str());
    }

    std::printf("\n");
    std::vector<std::vector<std::string>> grid{{"Ch No"}};
    for (const GridColumn& c : kGridColumns) grid[0].push_back(c.header);
    for (int n = 1; n <= channels; ++n) {
        std::vector<std::string> row{std::to_string(n)};
        for (const GridColumn& c : kGridColumns) row.push_back(trimLeft(model.cell(n, c.column).text));
        grid.push_back(row);
    }
    PrintTable(grid);

    std::printf("\nUser Defined TPL (Hz)\n");
    std::vector<std::vector<std::string>> tplRows{{"", "RX", "TX"}};
    for (int i = 0; i < kUserTplCount; ++i)
        tplRows.push_back({"TPL" + std::to_string(i + 1), e.tpl.rx[i], e.tpl.tx[i]});
    PrintTable(tplRows);

    std::string scan;
    for (int n : e.scanList) scan += " " + threeDigits(n);
    std::printf("\nScan List:%s\n", scan.c_str());
    std::printf("Prio. Scan Ch. No.: %s\n", e.priorityText.c_str());
}

void printJson(const std::string& file, const vantrel::EditingModel& model, const std::vector<InfoField>& info,
               int channels) {
    const CodeplugImage& image = model.image();
    const vantrel::EditingCopies& e = model.copies();
    std::printf("{\n  \"file\": %s", JsonString(file).c_str());
    for (const InfoField& f : info) {
        std::printf(",\n  \"%s\": %s", f.key, f.numeric ? f.text.c_str() : JsonString(f.text).c_str());
        if (f.rawKey) std::printf(",\n  \"%s\": %d", f.rawKey, f.raw);
    }

    std::vector<std::string> settings;
    for (const vantrel::DisplayedField& f : vantrel::DisplayedFields(model))
        if (isSetting(f))
            settings.push_back(JsonObject()
                                   .add("section", JsonString(f.section))
                                   .add("name", JsonString(f.name))
                                   .add("text", JsonString(f.text))
                                   .str());
    std::printf(",\n  \"settings\": %s", jsonArray(settings, "    ").c_str());
    std::printf(",\n  \"optionFlags\": %u", image.byte(bm::OptionFlags));
    for (const auto& [key, offset] : {std::pair{"totTime", bm::TotTime}, std::pair{"scanSpeedTime", bm::ScanSpeedTime},
                                      std::pair{"scanDelayTime", bm::ScanDelayTime},
                                      std::pair{"lookBackTime", bm::LookBackTime},
                                      std::pair{"totPenaltyTime", bm::TotPenaltyTime},
                                      std::pair{"buttonCodeS1", bm::ButtonCodeS1}, std::pair{"buttonCodeL1", bm::ButtonCodeL1},
                                      std::pair{"buttonCodeS2", bm::ButtonCodeS2}, std::pair{"buttonCodeL2", bm::ButtonCodeL2}})
        std::printf(",\n  \"%s\": %u", key, image.byte(offset));

    std::vector<std::string> rows;
    for (int n = 1; n <= channels; ++n) {
        JsonObject row;
        row.add("channel", n);
        for (const GridColumn& c : kGridColumns) row.add(c.key, rawCell(model, n, c.column).str());
        rows.push_back(row.str());
    }
    std::printf(",\n  \"channels\": %s", jsonArray(rows, "    ").c_str());

    std::vector<std::string> tones;
    for (int i = 0; i < kUserTplCount; ++i) {
        JsonObject tone;
        tone.add("name", JsonString("TPL" + std::to_string(i + 1)));
        tone.add("rx", JsonObject().add("text", JsonString(e.tpl.rx[i])).add("word", image.word(bm::userTplRxWord(i))).str());
        tone.add("tx", JsonObject().add("text", JsonString(e.tpl.tx[i])).add("word", image.word(bm::userTplTxWord(i))).str());
        tones.push_back(tone.str());
    }
    std::printf(",\n  \"userTpl\": %s", jsonArray(tones, "    ").c_str());

    std::vector<std::string> scan;
    for (int n : e.scanList) scan.push_back(JsonObject().add("text", JsonString(threeDigits(n))).add("channel", n).str());
    std::printf(",\n  \"scanList\": %s", jsonArray(scan, "    ").c_str());
    std::printf(",\n  \"scanMask\": %u", image.word(bm::ScanMask));
    std::printf(",\n  \"prioScanChNo\": %u\n}\n", image.byte(bm::PrioScanChNo));
}

}  // namespace

const CommandSpec kShowCommand{
    "show", "FILE.cpg", 1, "Prints what the editor would show for a data file.",
    {
        {"--json", nullptr, "print JSON, with the raw codes beside the texts"},
    }};

int ShowImage(const std::string& file, const vantrel::CodeplugImage::Bytes& bytes, bool json) {
    // What the editor shows after File > Open, with the messages it shows.
    AppState state;
    vantrel::EditingModel model(state);
    for (const vantrel::Message& m : model.LoadImage(vantrel::LoadKind::FileOpen, bytes))
        std::fprintf(stderr, "vantrelctl show: warning: %s\n", vantrel::MessageLine(m).c_str());
    const int channels = std::min(model.channelCount(), model.copies().gridRows);
    const std::vector<InfoField> info = radioInformation(model, channels);
    if (json)
        printJson(file, model, info, channels);
    else
        printText(model, info, channels);
    return 0;
}

int CmdShow(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kShowCommand, argc, argv, args)) return *done;
    const std::string file = args.operands().front();

    CodeplugImage image;
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(image, file);
    if (!load.ok()) return Fail(load.error);
    return ShowImage(file, image.bytes(), args.has("--json"));
}

}  // namespace vantrelctl
