#include "gui/channels/GridColumns.h"

#include <QCoreApplication>

namespace vantrel::gridcol {

namespace {
constexpr const char* kPlTip = QT_TRANSLATE_NOOP("GridColumns", "CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3");
constexpr const char* kMuteText =
    QT_TRANSLATE_NOOP("GridColumns", "1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting");
}  // namespace

const std::array<ColumnInfo, kColumns> kColumnInfo = {{
    {QT_TRANSLATE_NOOP("GridColumns", "Ch No"), 580,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Number"),
     nullptr},
    {QT_TRANSLATE_NOOP("GridColumns", "Rx Freq."), 1260,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Rx Frequency Edit"),
     nullptr},
    {QT_TRANSLATE_NOOP("GridColumns", "PL Option"), 1240,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Rx PL Option Setting"),
     kPlTip},
    {QT_TRANSLATE_NOOP("GridColumns", "SQ"), 725,
     QT_TRANSLATE_NOOP("GridColumns", "Squelch Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "Normal or Tight")},
    {QT_TRANSLATE_NOOP("GridColumns", "Mute"), 600,
     kMuteText,
     kMuteText},
    {QT_TRANSLATE_NOOP("GridColumns", "Tx Freq."), 1260,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Tx Frequency Edit"),
     nullptr},
    {QT_TRANSLATE_NOOP("GridColumns", "PL Option"), 1240,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Tx PL Option Setting"),
     kPlTip},
    {QT_TRANSLATE_NOOP("GridColumns", "PWR"), 600,
     QT_TRANSLATE_NOOP("GridColumns", "Power Level Setting"),
     nullptr},
    {QT_TRANSLATE_NOOP("GridColumns", "TOC"), 600,
     QT_TRANSLATE_NOOP("GridColumns", "DPL Turn Off Code Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "DPL Turn Off Code Enable or Disable")},
    {QT_TRANSLATE_NOOP("GridColumns", "Rx Only"), 740,
     QT_TRANSLATE_NOOP("GridColumns", "Rx Only Setting"),
     QT_TRANSLATE_NOOP("GridColumns", " Rx Only Enable or Disable")},
    {QT_TRANSLATE_NOOP("GridColumns", "Rev Burst"), 880,
     QT_TRANSLATE_NOOP("GridColumns", "TPL Reverse Burst Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "None / 180 / 240")},
    {QT_TRANSLATE_NOOP("GridColumns", "BCLO"), 670,
     QT_TRANSLATE_NOOP("GridColumns", "Busy Channel Lock Out Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "BCLO Enable or Disable")},
    {QT_TRANSLATE_NOOP("GridColumns", "Band"), 590,
     QT_TRANSLATE_NOOP("GridColumns", "Channel Bandwidth Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "12.5KHz / 25KHz")},
    {QT_TRANSLATE_NOOP("GridColumns", "TA"), 590,
     QT_TRANSLATE_NOOP("GridColumns", "Talkaround Setting"),
     QT_TRANSLATE_NOOP("GridColumns", "Repeater/Talkaround Set")},
}};

}  // namespace vantrel::gridcol
