#pragma once
// The editing model's plain data: what the editor shows beside the image,
// one grid cell, the feature boxes, the loads, and an edit's result.
#include <array>
#include <string>
#include <vector>

#include "channels/ChannelTexts.h"
#include "channels/UserTplCodec.h"
#include "codeplug/ByteMap.h"
#include "model/Messages.h"

namespace vantrel {

// The whole-image loads; they differ in the short-press lists and in the
// order of a few population steps.
enum class LoadKind { Read, FileOpen, CommandLine, SuperNumber };

// One cell of the channel grid: its text and whether it is greyed (a switch
// without effect in the channel's signalling).
struct GridCell {
    std::string text;
    bool grey = false;
    friend bool operator==(const GridCell& a, const GridCell& b) { return a.grey == b.grey && a.text == b.text; }
    friend bool operator!=(const GridCell& a, const GridCell& b) { return !(a == b); }
};

// What the editor shows beside the image. Plain data: copy it to keep it.
struct EditingCopies {
    // txtTPL_RxFrequency(0..2), txtTPL_TxFrequency(0..2).
    UserTplBoxes tpl;
    // txtPassword, txtSerial, txtSuper and whether each takes input.
    std::string password;
    std::string serial;
    std::string superNumber;
    bool passwordEnabled = true;
    bool serialEnabled = true;
    bool superEnabled = true;
    // txtPrioScanChNo and its up-down (value and range).
    std::string priorityText = "1";
    int priorityUpDown = 1;
    int priorityMax = 16;
    // Feature check boxes, indexed by Feature.
    std::array<bool, 6> features{};
    // Timing fields in kTimingFields order: the text box, the up-down's value
    // and its lower limit (the scan interval's moves with the loaded byte).
    std::array<std::string, 5> timingTexts{"100", "4000", "4000", "180", "5"};
    std::array<int, 5> timingUpDown{100, 4000, 4000, 180, 5};
    std::array<int, 5> timingMin{50, 500, 750, 10, 1};
    // Programmable buttons 1 and 2: the short-press list (full or without
    // "Hi/Low Power"; empty until the first build), the selected short- and
    // long-press positions (-1: none).
    std::array<std::vector<std::string>, 2> shortLists;
    std::array<int, 2> shortPosition{-1, -1};
    std::array<int, 2> longPosition{-1, -1};
    // LstChannel (channels outside the scan list) and LstScan, in list order.
    std::vector<int> channelList;
    std::vector<int> scanList;
    // The channel grid: rows 1..16, columns 1..13 (index 0 unused);
    // gridChannels is the channel count the grid was sized for (0 until then).
    std::array<std::array<GridCell, kChannelColumnCount>, bytemap::MaxChannels + 1> cells{};
    int gridChannels = 0;
    // CycleReverseBurst's step per channel (not loaded from the image).
    std::array<int, bytemap::MaxChannels> revBurstStep{};
    // The editor is locked while a protected codeplug waits for its password.
    bool locked = true;

    // Where the windows stand: the editor load has run, the tab shown
    // (0 radio configuration, 1 channels), the rows the grid has.
    bool editorLoaded = false;
    int tab = 0;
    int gridRows = 0;
    // The short-press position each long-press list was built for (-1: none).
    std::array<int, 2> longBasis{-1, -1};
    // Labels of the "Radio Information" frame.
    std::string modelLabel;
    std::string rangeLabel;
    std::string firmwareLabel;
    std::string codeplugLabel;
};

enum class Feature { TalkbackScan, BatterySave, Tot, PriorityScan, NormalScan, QuickKey };

// Result of an edit: the messages shown and whether the edit was taken.
struct EditResult {
    Messages messages;
    bool ok = true;
};

}  // namespace vantrel
