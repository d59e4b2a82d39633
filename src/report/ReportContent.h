#pragma once
// Everything the codeplug report prints, as the editor shows it at the
// moment of printing: control texts and states, the grid's cell texts and a
// few image bytes. The editor fills it from its controls; the command line
// fills it from an image through the same codecs the editor uses.
#include <array>
#include <string>
#include <vector>

namespace vantrel::report {

constexpr int kReportMaxChannels = 16;
constexpr int kGridTextColumns = 13;   // grid columns 1..13

struct ReportContent {
    std::string modelNumber;   // caption of lblModel

    // Check boxes.
    bool powerSaveEnable = false;
    bool quickKey = false;
    bool talkbackScan = false;
    bool scanEnable = false;
    bool prioScanEnable = false;
    bool totEnable = false;

    // Text boxes, exactly as shown.
    std::string scanSpeedTime, prioScanChNo, scanDelayTime, lookBackTime;
    std::string totTime, totPenaltyTime;
    std::array<std::string, 3> tplRxFrequency, tplTxFrequency;

    // Selected positions of cmbButton_S1/S2 (-1: none) and the long-press
    // codes ButtonCodeL1/L2 of the image.
    int shortPress1 = -1, shortPress2 = -1;
    int longPressCode1 = 0, longPressCode2 = 0;

    // ChannelCount of the image (both preview loops and the printed scan
    // list) and the editor's channel count (the printed channel rows).
    int imageChannelCount = 0;
    int editorChannelCount = 0;
    // Grid cell texts of rows 1..16, columns 1..13.
    std::array<std::array<std::string, kGridTextColumns>, kReportMaxChannels> grid;
    // Scan-list bytes 220..235: channel i + 1 is a member when non-zero.
    std::array<bool, kReportMaxChannels> inScanList{};
};

// "On" for a ticked box, "Off" otherwise.
const char* OnOff(bool ticked);
// Name of a short-press list position; empty for -1 and unknown positions.
std::string ShortPressName(int position);
// Name of a long-press code when admissible for the same button's short-press
// position; empty otherwise.
std::string LongPressName(int code, int shortPressPosition);
// The channel count that a report loop may use: 0..16.
int ReportChannelCount(int count);

}  // namespace vantrel::report
