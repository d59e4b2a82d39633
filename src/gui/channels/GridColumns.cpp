#include "gui/channels/GridColumns.h"

namespace vantrel::gridcol {

namespace {
constexpr const char* kPlTip = "CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3";
constexpr const char* kMuteText =
    "1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting";
}  // namespace

const std::array<ColumnInfo, kColumns> kColumnInfo = {{
    {"Ch No", 580, "Channel Number", nullptr},
    {"Rx Freq.", 1260, "Channel Rx Frequency Edit", nullptr},
    {"PL Option", 1240, "Channel Rx PL Option Setting", kPlTip},
    {"SQ", 725, "Squelch Setting", "Normal or Tight"},
    {"Mute", 600, kMuteText, kMuteText},
    {"Tx Freq.", 1260, "Channel Tx Frequency Edit", nullptr},
    {"PL Option", 1240, "Channel Tx PL Option Setting", kPlTip},
    {"PWR", 600, "Power Level Setting", nullptr},
    {"TOC", 600, "DPL Turn Off Code Setting", "DPL Turn Off Code Enable or Disable"},
    {"Rx Only", 740, "Rx Only Setting", " Rx Only Enable or Disable"},
    {"Rev Burst", 880, "TPL Reverse Burst Setting", "None / 180 / 240"},
    {"BCLO", 670, "Busy Channel Lock Out Setting", "BCLO Enable or Disable"},
    {"Band", 590, "Channel Bandwidth Setting", "12.5KHz / 25KHz"},
    {"TA", 590, "Talkaround Setting", "Repeater/Talkaround Set"},
}};

}  // namespace vantrel::gridcol
