// Writes the default data files that super-number entry loads, one per row of
// the super-number table, into the given folder:
//
//   make_default_files DIR           write DIR/<file> for every row
//   make_default_files --check DIR   exit 1 when a file in DIR differs
//
// Each file holds the codeplug that the Default command would give a blank
// radio of that model: the default settings and channel 1 in the scan list,
// no password, an empty serial number that the next write may fill in.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "channels/ChannelRecord.h"
#include "channels/UserTplCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Identity.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;

namespace {

// The file name's prefix names the band of the radio: V2 150-174 (148-174 for
// ModelIndex 18), V1 136-150, U2 450-470, U1 403-425, U4 490-512.
struct PrefixType {
    const char* prefix;
    int radioType;
};
constexpr PrefixType kPrefixTypes[] = {{"V1", 2}, {"V2", 3}, {"U1", 0}, {"U2", 1}, {"U4", 4}};

// Channel 1 as the Default command sets it, per band: frequency codes (bytes
// 0..5 of the record) and sub-band index.
struct DefaultChannel {
    int band;
    std::uint8_t code[6];
    std::uint8_t subBand;
};
constexpr DefaultChannel kDefaultChannels[] = {
    {0, {176, 223, 0, 224, 251, 0}, 0},   // 403.000 MHz
    {1, {212, 5, 1, 4, 34, 1}, 2},        // 464.025 MHz
    {2, {240, 116, 0, 192, 88, 0}, 2},    // 142.000 MHz
    {3, {148, 122, 0, 100, 94, 0}, 1},    // 151.025 MHz
    {4, {16, 27, 1, 64, 55, 1}, 1},       // 498.000 MHz
};

// Bytes 5..13: Talkback Scan, Battery Save, Normal Scan and TOT on; 60 s time-out,
// 350 ms scan speed, 3000 ms hang time, 2000 ms interval, 10 s TOT warning.
constexpr std::uint8_t kSettings[] = {236, 6, 35, 6, 8, 10, 60, 20, 10};
// Buttons: Monitor / Sticky Monitor, Scan / Nuisance Channel Delete.
constexpr std::uint8_t kButtons[] = {3, 4, 5, 11};
// Channel 1's signalling and options: TPL 103.5 Hz both ways, high power,
// reverse burst 240, mute mode 1, 25 kHz.
constexpr std::uint8_t kChannel1Options[] = {14, 14, 141, 128};
constexpr std::uint8_t kCodeplugVersion[] = {1, 4, 2, 0};
constexpr std::uint8_t kFirmwareVersion[] = {1, 0, 0, 0};
constexpr std::uint8_t kEditorMarker = 0xA5;

int radioTypeFor(const DefaultFileRow& row) {
    for (const PrefixType& p : kPrefixTypes)
        if (std::strncmp(row.fileName, p.prefix, std::strlen(p.prefix)) == 0) return p.radioType;
    return -1;
}

CodeplugImage buildImage(const DefaultFileRow& row, int radioType) {
    CodeplugImage img;
    img.setByte(bm::ChannelCount, static_cast<std::uint8_t>(ChannelCountFor(row.modelIndex)));
    img.setByte(bm::EditorMarker, kEditorMarker);
    img.setByte(bm::RadioType, static_cast<std::uint8_t>(radioType));
    for (std::size_t i = 0; i < sizeof kSettings; ++i) img.setByte(bm::OptionFlags + i, kSettings[i]);
    img.setByte(bm::PrioScanChNo, 1);

    ClearChannels(img);
    for (const DefaultChannel& c : kDefaultChannels) {
        if (c.band != (radioType & 15)) continue;
        for (std::size_t i = 0; i < 6; ++i) img.setByte(bm::channelRecord(1) + i, c.code[i]);
        img.setByte(bm::subBandIndex(1), c.subBand);
    }
    for (std::size_t i = 0; i < sizeof kChannel1Options; ++i)
        img.setByte(bm::channelRecord(1) + 6 + i, kChannel1Options[i]);
    img.setByte(bm::rxRasterFlag(1), 1);
    img.setByte(bm::txRasterFlag(1), 1);

    // TPL1..3 at 120.0, 200.0 and 255.0 Hz both ways, with their tone parameters.
    EncodeUserTpls(img, UserTplBoxes{});
    for (std::size_t i = 0; i < sizeof kButtons; ++i) img.setByte(bm::ButtonCodeS1 + i, kButtons[i]);
    img.setByte(bm::scanSlot(1), 1);
    img.setWord(bm::ScanMask, 1);

    img.setByte(bm::ModelIndex, static_cast<std::uint8_t>(row.modelIndex));
    for (std::size_t i = 0; i < bm::SerialNumberSize; ++i) img.setByte(bm::SerialNumber + i, 0xFF);
    for (std::size_t i = 0; i < 4; ++i) img.setByte(bm::CodeplugVersion + i, kCodeplugVersion[i]);
    for (std::size_t i = 0; i < 4; ++i) img.setByte(bm::FirmwareVersion + i, kFirmwareVersion[i]);
    img.setText(bm::SuperNumber, bm::SuperNumberSize, row.superNumber);
    NormaliseCodeplugVersion(img);   // B variants of type 1 and 3 carry 1 in byte 349
    img.setByte(bm::SerialWriteEnable, 1);   // a serial number typed after loading goes to the radio
    return img;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: make_default_files [--check] DIR\n");
        return 2;
    }
    const std::string dir = argv[argc - 1];
    int status = 0;
    for (const DefaultFileRow& row : DefaultFileTable()) {
        const int radioType = radioTypeFor(row);
        if (radioType < 0 || ModelTable(row.modelIndex, radioType).action != ModelLabel::Action::Set) {
            std::fprintf(stderr, "make_default_files: no radio type for %s\n", row.fileName);
            return 1;
        }
        const CodeplugImage img = buildImage(row, radioType);
        const std::string path = dir + "/" + row.fileName;
        if (check) {
            if (readFile(path) != FormatCodeplugFile(img)) {
                std::fprintf(stderr, "make_default_files: %s is out of date\n", path.c_str());
                status = 1;
            }
            continue;
        }
        // Written as the bytes are: a save would clear SerialWriteEnable.
        std::ofstream out(path, std::ios::binary);
        out << FormatCodeplugFile(img);
        if (!out.flush()) {
            std::fprintf(stderr, "make_default_files: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return status;
}
