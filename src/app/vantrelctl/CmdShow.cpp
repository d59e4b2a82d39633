// vantrelctl show FILE.cpg [--json]: what the editor's "Radio Information"
// frame would show for a data file.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"
#include "codeplug/AppState.h"
#include "codeplug/Identity.h"
#include "shell/CodeplugFile.h"

namespace vantrelctl {

namespace {

namespace bm = vantrel::bytemap;
using vantrel::AppState;
using vantrel::CodeplugImage;

constexpr std::uint8_t kNoSerial = 0xFF;

struct Field {
    const char* label;   // text output
    const char* key;     // JSON output
    std::string text;
    bool numeric = false;            // a JSON number rather than a string
    const char* rawKey = nullptr;    // raw code shown beside the text in JSON
    int raw = 0;
};

std::string serialText(const CodeplugImage& image) {
    for (std::size_t i = 0; i < bm::SerialNumberSize; ++i)
        if (image.byte(bm::SerialNumber + i) != kNoSerial) return image.text(bm::SerialNumber, bm::SerialNumberSize);
    return "";
}

std::vector<Field> radioInformation(AppState& state) {
    CodeplugImage& image = state.image;
    const int channels = vantrel::ApplyBandLimits(state);
    const vantrel::ModelLabel model = vantrel::ModelNumber(image);
    std::vector<Field> fields = {
        {"Model Number", "modelNumber", model.text, false, "modelIndex", image.byte(bm::ModelIndex)},
        {"Frequency Range", "frequencyRange", vantrel::FrequencyRangeText(image), false, "radioType",
         image.byte(bm::RadioType)},
        {"Firmware Version", "firmwareVersion", vantrel::FirmwareVersionText(image)},
        {"Codeplug Version", "codeplugVersion", vantrel::ShowCodeplugVersion(image)},
        {"Serial Number", "serialNumber", serialText(image)},
        {"Regional Super Number", "superNumber", image.text(bm::SuperNumber, bm::SuperNumberSize)},
        {"Channels", "channelCount", std::to_string(channels), true},
    };
    return fields;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);   // image text is Latin-1
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void printText(const std::vector<Field>& fields) {
    for (const Field& f : fields) std::printf("%-22s %s\n", (std::string(f.label) + ":").c_str(), f.text.c_str());
}

void printJson(const std::string& file, const std::vector<Field>& fields) {
    std::printf("{\n  \"file\": %s", jsonString(file).c_str());
    for (const Field& f : fields) {
        std::printf(",\n  \"%s\": %s", f.key, f.numeric ? f.text.c_str() : jsonString(f.text).c_str());
        if (f.rawKey) std::printf(",\n  \"%s\": %d", f.rawKey, f.raw);
    }
    std::printf("\n}\n");
}

}  // namespace

int CmdShow(int argc, char** argv) {
    const char* file = nullptr;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--json")) {
            json = true;
        } else if (argv[i][0] == '-' || file) {
            std::fprintf(stderr, "usage: vantrelctl show FILE.cpg [--json]\n");
            return 2;
        } else {
            file = argv[i];
        }
    }
    if (!file) {
        std::fprintf(stderr, "usage: vantrelctl show FILE.cpg [--json]\n");
        return 2;
    }

    AppState state;
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(state.image, file);
    if (!load.ok()) {
        std::fprintf(stderr, "vantrelctl: %s\n", load.error.c_str());
        return 1;
    }
    const std::vector<Field> fields = radioInformation(state);
    if (json)
        printJson(file, fields);
    else
        printText(fields);
    return 0;
}

}  // namespace vantrelctl
