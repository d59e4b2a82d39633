// The editing model without windows: loads with their corrections, the checks
// before a write, and the channel and scan list edits that import calls.
#include <gtest/gtest.h>

#include "channels/ChannelOptions.h"
#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugFile.h"
#include "model/ByteChanges.h"
#include "model/EditingModel.h"
#include "model/MessageLine.h"
#include "model/ModelTexts.h"

namespace vantrel {
namespace {

namespace bm = bytemap;

CodeplugImage::Bytes DefaultFile(const char* name) {
    CodeplugImage image;
    EXPECT_TRUE(CopyToBox(image, std::string(VANTREL_TEST_DATA_DIR) + "/../data/" + name).ok());
    return image.bytes();
}

std::vector<std::string> Texts(const Messages& m) {
    std::vector<std::string> out;
    for (const Message& x : m) out.push_back(x.text);
    return out;
}

struct Opened {
    AppState state;
    EditingModel model{state};
    Messages messages;
    explicit Opened(const CodeplugImage::Bytes& bytes) { messages = model.LoadImage(LoadKind::FileOpen, bytes); }
};

TEST(EditingModel, OpeningCorrectsWhatTheEditorCorrects) {
    {
        // A Tx time-out byte of 0 does not fit its field: every timing byte
        // goes back to its fallback.
        auto bytes = DefaultFile("U2_NAG.cpg");
        bytes[bm::TotTime] = 0;
        Opened o(bytes);
        EXPECT_EQ(Texts(o.messages), std::vector<std::string>{modeltext::kTimeOptionInvalid});
        EXPECT_EQ(o.model.image().byte(bm::TotTime), 18);
        EXPECT_EQ(o.model.image().byte(bm::Fixed10), 10);
        EXPECT_EQ(o.model.copies().timingTexts[3], "180");
    }
    {
        // A priority channel above an 8-channel radio's count is held at 8.
        auto bytes = DefaultFile("U2_NAG1.cpg");
        bytes[bm::PrioScanChNo] = 12;
        Opened o(bytes);
        EXPECT_EQ(o.model.image().byte(bm::ChannelCount), 8);
        EXPECT_EQ(o.model.image().byte(bm::PrioScanChNo), 8);
        EXPECT_EQ(o.model.copies().priorityText, "8");
    }
    {
        // The super number decides the model; the receive TPL above 255 Hz
        // empties its box with "Invalid Frequency", and the write is refused.
        auto bytes = DefaultFile("U2_NAG.cpg");
        bytes[bm::ModelIndex] = 3;
        bytes[bm::userTplRxWord(0)] = 3000 & 0xFF;
        bytes[bm::userTplRxWord(0) + 1] = 3000 >> 8;
        Opened o(bytes);
        EXPECT_EQ(o.model.image().byte(bm::ModelIndex), 10);
        EXPECT_EQ(Texts(o.messages), std::vector<std::string>{"Invalid Frequency"});
        EXPECT_EQ(o.model.copies().tpl.rx[0], "");
        const EditResult check = o.model.CheckBeforeWrite();
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(Texts(check.messages), std::vector<std::string>{"Invalid Frequency"});
    }
}

TEST(EditingModel, PriorityChannelOutsideTheScanListRefusesWriteAndSave) {
    auto bytes = DefaultFile("U2_NAG.cpg");
    bytes[bm::OptionFlags] = static_cast<std::uint8_t>((bytes[bm::OptionFlags] | 0x02) & ~0x08);
    bytes[bm::PrioScanChNo] = 3;  // an empty channel, outside the scan list
    Opened o(bytes);
    for (const EditResult& r : {o.model.CheckBeforeWrite(), o.model.CheckBeforeSave()}) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(Texts(r.messages), std::vector<std::string>{modeltext::PriorityNotInScanList()});
    }
    EXPECT_EQ(o.model.copies().tab, 0);
    // Only a channel with both frequencies joins the scan list; then the check passes.
    EXPECT_EQ(Texts(o.model.AddToScanList(3).messages), std::vector<std::string>{"Empty Channel  "});
    EXPECT_TRUE(o.model.SetCellText(3, kColRxFrequency, "462.5625").ok);
    EXPECT_TRUE(o.model.SetCellText(3, kColTxFrequency, "467.5625").ok);
    EXPECT_TRUE(o.model.AddToScanList(3).ok);
    EXPECT_TRUE(o.model.CheckBeforeWrite().ok);
    EXPECT_EQ(o.model.image().byte(bm::scanSlot(3)), 3);
}

TEST(EditingModel, CellTextsApplyAsTheGridWould) {
    Opened o(DefaultFile("U2_NAG.cpg"));
    EditingModel& m = o.model;
    struct Case {
        int column;
        const char* text;
        bool ok;
        const char* shown;     // the cell afterwards
        const char* message;   // "" for none
    };
    const Case cases[] = {
        {kColRxFrequency, "462.5625", true, "462.56250", ""},
        {kColRxFrequency, "462,5625", false, "462.56250", "Invalid Frequency"},
        {kColRxFrequency, "100", false, "462.56250", "Out of Frequency Range"},
        {kColTxFrequency, "467.5625", true, "467.56250", ""},
        {kColSquelch, "Tight", true, "Tight", ""},
        {kColSquelch, "Loud", false, "Tight", ""},
        {kColRxSignal, "TPL: 67.0 Hz", true, " TPL: 67.0 Hz", ""},
        {kColTxSignal, "IDPL 023", true, " IDPL: 023", ""},
        {kColTurnOffCode, "On", true, "On", ""},
        {kColReverseBurst, "180", false, "None", ""},  // transmit DPL: greyed
        {kColMute, "3", true, "3", ""},
    };
    for (const Case& c : cases) {
        const EditResult r = m.SetCellText(2, c.column, c.text);
        EXPECT_EQ(r.ok, c.ok) << c.column << " " << c.text;
        EXPECT_EQ(m.cell(2, c.column).text, c.shown) << c.column << " " << c.text;
        EXPECT_EQ(Texts(r.messages), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.column << " " << c.text;
    }
    EXPECT_EQ(m.image().byte(bm::channelRecord(2) + bm::RecRxSignal), 1);
}

// The tone dialog's side rules: the turn-off code only goes with a transmit
// DPL, the reverse burst only with a transmit TPL; talkaround only off simplex.
TEST(EditingModel, ATransmitSignalKeepsOnlyTheOptionsThatGoWithIt) {
    struct Case {
        int code;
        unsigned turnOffCode, reverseBurst;
    };
    const Case cases[] = {{0, 0, 0}, {5, 0, 3}, {130, 0, 3}, {60, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Opened o(DefaultFile("U2_NAG.cpg"));
        EditingModel& m = o.model;
        ASSERT_TRUE(m.SetCellText(2, kColRxFrequency, "462.5625").ok);
        ASSERT_TRUE(m.SetCellText(2, kColTxFrequency, "462.5625").ok);
        SetOptionValue(m.image(), 2, ChannelOption::TurnOffCode, 1);
        SetOptionValue(m.image(), 2, ChannelOption::ReverseBurst, 3);
        EXPECT_TRUE(m.ChooseSignal(2, Side::Tx, c.code).ok);
        EXPECT_EQ(m.image().byte(SignalOffset(2, Side::Tx)), c.code);
        EXPECT_EQ(OptionValue(m.image(), 2, ChannelOption::TurnOffCode), c.turnOffCode);
        EXPECT_EQ(OptionValue(m.image(), 2, ChannelOption::ReverseBurst), c.reverseBurst);
        EXPECT_EQ(OptionValue(m.image(), 2, ChannelOption::Talkaround), c.code == 0 ? 0u : 1u);
    }
}

TEST(EditingModel, DeletingAFrequencyLeavesTheScanListButNotOnThePriorityChannel) {
    auto bytes = DefaultFile("U2_NAG.cpg");
    bytes[bm::OptionFlags] = static_cast<std::uint8_t>((bytes[bm::OptionFlags] | 0x02) & ~0x08);
    bytes[bm::PrioScanChNo] = 1;
    Opened o(bytes);
    EditingModel& m = o.model;
    m.SetCellText(2, kColRxFrequency, "462.5625");
    m.SetCellText(2, kColTxFrequency, "467.5625");
    ASSERT_TRUE(m.AddToScanList(2).ok);
    ASSERT_EQ(m.image().byte(bm::scanSlot(2)), 2);
    const EditResult refused = m.DeleteKey(1, kColSquelch);
    EXPECT_EQ(Texts(refused.messages), std::vector<std::string>{"Not Allowed To Delete Priority Channel Frequency  "});
    EXPECT_TRUE(m.SetCellText(2, kColTxFrequency, "").ok);
    EXPECT_EQ(m.image().byte(bm::scanSlot(2)), 0);
    EXPECT_EQ(m.copies().channelList.front(), 2);
    EXPECT_EQ(Texts(m.AddToScanList(2).messages), std::vector<std::string>{"Empty Channel  "});
    EXPECT_EQ(Texts(m.RemoveFromScanList(1).messages),
              std::vector<std::string>{"Not Allowed To Remove Priority Channel  "});
}

TEST(EditingModel, SnapshotPutsImageAndBoxesBack) {
    Opened o(DefaultFile("U2_NAG.cpg"));
    const EditingModel::Snapshot before = o.model.snapshot();
    o.model.SetCellText(1, kColRxFrequency, "");
    o.model.SetUserTplText(Side::Rx, 0, "");
    ASSERT_NE(o.model.image(), before.state.image);
    o.model.restore(before);
    EXPECT_EQ(o.model.image(), before.state.image);
    EXPECT_EQ(o.model.copies().tpl.rx[0], before.copies.tpl.rx[0]);
    EXPECT_EQ(o.model.cell(1, kColRxFrequency).text, before.copies.cells[1][kColRxFrequency].text);
}

// The priority channel a load shows: the stored number, kept within the
// radio's channels by the up-down.
TEST(EditingModel, APriorityChannelAboveTheChannelCountLoadsAsTheCount) {
    for (int modelIndex : {1, 4, 9}) {
        SCOPED_TRACE(modelIndex);
        CodeplugImage image;
        image.replaceAll(DefaultFile("U2_NAG.cpg"));
        image.setByte(bm::ModelIndex, static_cast<std::uint8_t>(modelIndex));
        image.setByte(bm::PrioScanChNo, 12);
        Opened o(image.bytes());
        const bool eight = o.model.channelCount() == 8;
        EXPECT_EQ(o.model.copies().priorityText, eight ? "8" : "12");
        EXPECT_EQ(o.state.image.byte(bm::PrioScanChNo), eight ? 8 : 12);
    }
}

// Selecting the channel tab trims an eight-channel radio's records above 8.
TEST(EditingModel, TrimmingClearsTheChannelsAboveTheCount) {
    Opened o(DefaultFile("U2_NAG.cpg"));
    ASSERT_EQ(o.model.CommitFrequency(12, Side::Rx, o.model.cell(1, kColRxFrequency).text).messages.size(), 0u);
    o.state.image.setByte(bm::ModelIndex, 4);
    o.model.TrimChannels();
    EXPECT_EQ(o.model.channelCount(), 8);
    EXPECT_EQ(o.model.copies().gridRows, 8);
    for (int v = 9; v <= 16; ++v) {
        for (std::size_t i = 0; i < bm::ChannelRecordSize; ++i)
            EXPECT_EQ(o.state.image.byte(bm::channelRecord(v) + i), kEmptyChannelRecord[i]);
        EXPECT_EQ(o.state.image.byte(bm::rxRasterFlag(v)), 0);
        EXPECT_EQ(o.state.image.byte(bm::txRasterFlag(v)), 0);
    }
    EXPECT_FALSE(o.model.cell(1, kColRxFrequency).text.empty());
}

TEST(EditorPaths, MessagesBecomeOneTerminalLine) {
    EXPECT_EQ(MessageLine(Message{modeltext::PriorityNotInScanList()}),
              "Error! Prio. Scan Ch. No. not in active scan list");
    CodeplugImage a, b;
    b.setByte(bm::PrioScanChNo, 8);
    EXPECT_EQ(ByteChanges(a, b), std::vector<std::string>{"byte 14 (PrioScanChNo): 0 -> 8"});
}

}  // namespace
}  // namespace vantrel
