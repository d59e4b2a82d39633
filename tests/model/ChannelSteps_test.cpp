// The switch cells of the channel grid as the editing model steps them: every
// step of every cycle with the bits it writes, the refusals (greyed switches,
// the fixed-power radios, the reverse burst without its user TPL frequency),
// the typed texts that step a switch, and how the signalling choices of the
// tone dialog clear, keep and grey the mute, turn-off code, reverse burst and
// talkaround cells.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "channels/BandFixture.h"
#include "channels/ChannelOptions.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "model/EditingModel.h"
#include "model/ModelTexts.h"

namespace vantrel::testing {
namespace {

namespace bm = bytemap;

// The channel under test sits on row 3, so that a change notice naming
// another row shows.
constexpr int kRow = 3;

// One channel as a data file would hold it: receive TPL 67.0 on 151.025 MHz,
// transmit DPL 023 on 156.000 MHz unless a row says otherwise.
struct Channel {
    const char* rx = "151.025";
    const char* tx = "156.000";
    int rxCode = 1;
    int txCode = 43;
    bool txInverted = false;
    // Option fields stored before the load, by value.
    std::vector<std::pair<ChannelOption, unsigned>> options;
    // RadioType 5: no power switching.
    bool fixedPower = false;
    // A user TPL receive box holding this text after the load (-1: none).
    int rxBox = -1;
    const char* rxBoxText = "";
    // A password in the image: the load locks the editor.
    bool locked = false;

    Channel Rx(int code) const { return with([&](Channel& c) { c.rxCode = code; }); }
    Channel Tx(int code, bool inverted = false) const {
        return with([&](Channel& c) { c.txCode = code, c.txInverted = inverted; });
    }
    Channel Simplex() const { return with([](Channel& c) { c.tx = c.rx; }); }
    Channel Option(ChannelOption o, unsigned v) const { return with([&](Channel& c) { c.options.push_back({o, v}); }); }
    Channel FixedPower() const { return with([](Channel& c) { c.fixedPower = true; }); }
    Channel Locked() const { return with([](Channel& c) { c.locked = true; }); }
    Channel RxBox(int k, const char* text = "") const {
        return with([&](Channel& c) { c.rxBox = k, c.rxBoxText = text; });
    }

private:
    template <typename F>
    Channel with(F change) const {
        Channel c = *this;
        change(c);
        return c;
    }
};

std::vector<std::string> Texts(const Messages& m) {
    std::vector<std::string> out;
    for (const Message& x : m) out.push_back(x.text);
    return out;
}

// A 16-channel VHF radio (150-174 MHz) with empty channels and all six user
// TPL boxes at 100.0 Hz, loaded as File > Open loads it.
class ChannelSteps : public ::testing::Test {
protected:
    AppState state;
    EditingModel model{state};

    // Each load starts from a fresh program: nothing of an earlier row (the
    // reverse burst's counters among it) carries over.
    void load(const Channel& c) {
        model.restore({AppState{}, EditingCopies{}});
        model.LoadEditor();
        LoadBand(state, 3);
        state.image.setByte(bm::ModelIndex, 1);
        ClearChannels(state.image);
        for (int k = 0; k < 3; ++k) {
            state.image.setWord(bm::userTplRxWord(k), 1000);
            state.image.setWord(bm::userTplTxWord(k), 1000);
        }
        ASSERT_EQ(EncodeRxFrequency(state, kRow, c.rx).status, FrequencyStatus::Stored);
        ASSERT_EQ(EncodeTxFrequency(state, kRow, c.tx).status, FrequencyStatus::Stored);
        state.image.setByte(SignalOffset(kRow, Side::Rx), static_cast<std::uint8_t>(c.rxCode));
        state.image.setByte(SignalOffset(kRow, Side::Tx), static_cast<std::uint8_t>(c.txCode));
        SetOptionValue(state.image, kRow, ChannelOption::TxDplInverted, c.txInverted ? 1 : 0);
        for (const auto& [option, value] : c.options) SetOptionValue(state.image, kRow, option, value);
        if (c.fixedPower) state.image.setByte(bm::RadioType, 5);
        if (c.locked) state.image.setByte(bm::Password, 'A');
        model.PopulateEditor(LoadKind::FileOpen);
        if (c.rxBox >= 0) {
            ASSERT_TRUE(model.SetUserTplText(Side::Rx, c.rxBox, c.rxBoxText).ok);
        }
        state.dataChanged = false;
        model.TakeChanges();
    }

    const GridCell& cell(int column) const { return model.cell(kRow, column); }
    unsigned value(ChannelOption o) const { return OptionValue(state.image, kRow, o); }
    int burstStep() const { return model.copies().revBurstStep[kRow - 1]; }

    // The notice after an edit of the row under test: that row's cells, or
    // nothing at all.
    void expectRowNotice(bool changed) {
        const ChangeNotice n = model.TakeChanges();
        if (!changed) {
            EXPECT_EQ(n.sections, 0u);
            EXPECT_TRUE(n.rows.none());
            return;
        }
        EXPECT_EQ(n.sections, static_cast<unsigned>(Section::Grid));
        EXPECT_EQ(n.rows.count(), 1u);
        EXPECT_TRUE(n.rows.test(kRow));
    }
};

// ---- Every step of every cycle ------------------------------------------------

struct Step {
    const char* text;
    unsigned value;
    int burstStep = -1;  // the reverse burst's counter afterwards; -1: not a burst
};

struct Cycle {
    const char* name;
    Channel channel;
    int column;
    ChannelOption option;
    const char* loaded;  // the cell after the load
    std::vector<Step> steps;
};

const Cycle kCycles[] = {
    {"squelch", Channel(), kColSquelch, ChannelOption::Squelch, "Normal", {{"Tight", 1}, {"Normal", 0}, {"Tight", 1}}},
    {"mute", Channel(), kColMute, ChannelOption::Mute, "1", {{"2", 2}, {"3", 3}, {"1", 1}, {"2", 2}}},
    {"mute loaded as 3", Channel().Option(ChannelOption::Mute, 3), kColMute, ChannelOption::Mute, "3", {{"1", 1}}},
    {"mute mode 0 reads as 1", Channel().Option(ChannelOption::Mute, 0), kColMute, ChannelOption::Mute, "1",
     {{"2", 2}, {"3", 3}, {"1", 1}}},
    {"mute with receive DPL", Channel().Rx(60), kColMute, ChannelOption::Mute, "1", {{"2", 2}}},
    {"mute with receive TPL3", Channel().Rx(130), kColMute, ChannelOption::Mute, "1", {{"2", 2}}},
    {"power", Channel(), kColPower, ChannelOption::Power, "H", {{"L", 0}, {"H", 1}, {"L", 0}}},
    {"turn-off code with transmit DPL", Channel(), kColTurnOffCode, ChannelOption::TurnOffCode, "Off",
     {{"On", 1}, {"Off", 0}, {"On", 1}}},
    {"turn-off code with transmit IDPL", Channel().Tx(50, true), kColTurnOffCode,
     ChannelOption::TurnOffCode, "Off", {{"On", 1}, {"Off", 0}}},
    {"rx only", Channel(), kColRxOnly, ChannelOption::RxOnly, "Off", {{"On", 1}, {"Off", 0}, {"On", 1}}},
    {"reverse burst with transmit TPL", Channel().Tx(5), kColReverseBurst, ChannelOption::ReverseBurst, "None",
     {{"180", 2, 1}, {"240", 3, 2}, {"None", 0, 0}, {"180", 2, 1}}},
    // The counter is not loaded: a channel loaded with 240 starts at 180.
    {"reverse burst loaded as 240", Channel().Tx(130).Option(ChannelOption::ReverseBurst, 3),
     kColReverseBurst, ChannelOption::ReverseBurst, "240",
     {{"180", 2, 1}, {"240", 3, 2}, {"None", 0, 0}, {"180", 2, 1}}},
    {"reverse burst bits 01 read as None", Channel().Tx(5).Option(ChannelOption::ReverseBurst, 1),
     kColReverseBurst, ChannelOption::ReverseBurst, "None", {{"180", 2, 1}}},
    {"reverse burst with transmit TPL1", Channel().Tx(128), kColReverseBurst, ChannelOption::ReverseBurst, "None",
     {{"180", 2, 1}}},
    // Receive TPL1 reads box 0: an empty box 1 does not matter.
    {"reverse burst reads only its own box", Channel().Rx(128).Tx(5).RxBox(1), kColReverseBurst,
     ChannelOption::ReverseBurst, "None", {{"180", 2, 1}}},
    {"bclo", Channel(), kColBclo, ChannelOption::Bclo, "Off", {{"On", 1}, {"Off", 0}, {"On", 1}}},
    {"bandwidth", Channel(), kColBandwidth, ChannelOption::Bandwidth, "25", {{"12.5", 0}, {"25", 1}, {"12.5", 0}}},
    {"talkaround of a duplex channel", Channel(), kColTalkaround, ChannelOption::Talkaround, "Off",
     {{"On", 1}, {"Off", 0}, {"On", 1}}},
    {"talkaround on one frequency with two signallings", Channel().Simplex().Tx(0), kColTalkaround,
     ChannelOption::Talkaround, "Off", {{"On", 1}, {"Off", 0}}},
};

TEST_F(ChannelSteps, EveryStepOfEveryCycle) {
    for (const Cycle& c : kCycles) {
        SCOPED_TRACE(c.name);
        load(c.channel);
        ASSERT_EQ(cell(c.column).text, c.loaded);
        for (const Step& s : c.steps) {
            SCOPED_TRACE(s.text);
            state.dataChanged = false;
            const EditResult r = model.StepSwitch(kRow, c.column);
            EXPECT_TRUE(r.ok);
            EXPECT_TRUE(r.messages.empty());
            EXPECT_EQ(cell(c.column).text, s.text);
            EXPECT_FALSE(cell(c.column).grey);
            EXPECT_EQ(value(c.option), s.value);
            if (s.burstStep >= 0) {
                EXPECT_EQ(burstStep(), s.burstStep);
            }
            EXPECT_TRUE(state.dataChanged);
            expectRowNotice(true);
        }
    }
}

// ---- Refusals -----------------------------------------------------------------

struct Refusal {
    const char* name;
    Channel channel;
    int column;
    const char* shown;  // the cell before and after
    bool grey;
    std::vector<std::string> messages;
};

const Refusal kRefusals[] = {
    {"mute with receive CSQ", Channel().Rx(0), kColMute, "1", true, {}},
    {"turn-off code with transmit CSQ", Channel().Tx(0), kColTurnOffCode, "Off", true, {}},
    {"turn-off code with transmit TPL", Channel().Tx(5), kColTurnOffCode, "Off", true, {}},
    {"turn-off code with transmit TPL1", Channel().Tx(128), kColTurnOffCode, "Off", true, {}},
    {"reverse burst with transmit CSQ", Channel().Tx(0), kColReverseBurst, "None", true, {}},
    {"reverse burst with transmit DPL", Channel(), kColReverseBurst, "None", true, {}},
    {"reverse burst with transmit IDPL", Channel().Tx(50, true), kColReverseBurst, "None", true, {}},
    {"talkaround of a simplex channel", Channel().Simplex().Rx(0).Tx(0), kColTalkaround, "Off", true, {}},
    {"talkaround of a simplex channel with a tone", Channel().Simplex().Tx(1), kColTalkaround, "Off", true, {}},
    {"power of a fixed-power radio", Channel().FixedPower(), kColPower, "2W", false, {}},
    {"reverse burst with the box of receive TPL2 empty", Channel().Rx(129).Tx(3).RxBox(1),
     kColReverseBurst, "None", false, {modeltext::kInputTplFrequency}},
    {"reverse burst with the first box at 0 and no receive user TPL", Channel().Tx(3).RxBox(0, "0"),
     kColReverseBurst, "None", false, {modeltext::kInputTplFrequency}},
    // The box is checked before the transmit signalling.
    {"reverse burst with transmit DPL and the first box empty", Channel().RxBox(0), kColReverseBurst, "None", true,
     {modeltext::kInputTplFrequency}},
};

TEST_F(ChannelSteps, RefusedStepsChangeNothing) {
    for (const Refusal& c : kRefusals) {
        SCOPED_TRACE(c.name);
        load(c.channel);
        const EditingModel::Snapshot before = model.snapshot();
        ASSERT_EQ(cell(c.column).text, c.shown);
        for (int i = 0; i < 2; ++i) {
            const EditResult r = model.StepSwitch(kRow, c.column);
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(Texts(r.messages), c.messages);
        }
        EXPECT_EQ(cell(c.column).text, c.shown);
        EXPECT_EQ(cell(c.column).grey, c.grey);
        EXPECT_EQ(state.image, before.state.image);
        EXPECT_FALSE(state.dataChanged);
        expectRowNotice(false);
    }
}

// A cell that is no switch, or a row the grid does not have, steps nothing.
TEST_F(ChannelSteps, OnlySwitchCellsOfTheGridsRowsStep) {
    load({});
    const CodeplugImage before = state.image;
    const std::pair<int, int> cells[] = {{kRow, kColChannelNo}, {kRow, kColRxFrequency}, {kRow, kColRxSignal},
                                         {kRow, kColTxFrequency}, {kRow, kColTxSignal}, {kRow, kChannelColumnCount},
                                         {0, kColSquelch}, {17, kColSquelch}, {-1, kColMute}};
    for (const auto& [row, column] : cells) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(column));
        EXPECT_FALSE(model.StepSwitch(row, column).ok);
    }
    EXPECT_EQ(state.image, before);
    EXPECT_FALSE(state.dataChanged);
    expectRowNotice(false);

    // An eight-channel radio's grid ends at row 8.
    state.image.setByte(bm::ModelIndex, 4);
    model.PopulateEditor(LoadKind::FileOpen);
    ASSERT_EQ(model.channelCount(), 8);
    const CodeplugImage eight = state.image;
    EXPECT_FALSE(model.StepSwitch(9, kColSquelch).ok);
    EXPECT_EQ(state.image, eight);
}

// ---- A switch given the text to show ------------------------------------------

struct Typed {
    const char* name;
    Channel channel;
    int column;
    const char* text;
    bool ok;
    const char* shown;
    std::vector<std::string> messages = {};
};

const Typed kTyped[] = {
    {"squelch", Channel(), kColSquelch, "Tight", true, "Tight"},
    {"squelch it shows, blanks around", Channel(), kColSquelch, " Normal ", true, "Normal"},
    {"squelch, a text it never shows", Channel(), kColSquelch, "Loud", false, "Normal"},
    {"mute two steps on", Channel(), kColMute, "3", true, "3"},
    {"mute it shows", Channel(), kColMute, "1", true, "1"},
    {"mute out of its cycle", Channel(), kColMute, "4", false, "1"},
    {"mute with receive CSQ", Channel().Rx(0), kColMute, "2", false, "1"},
    {"reverse burst two steps on", Channel().Tx(5), kColReverseBurst, "240", true, "240"},
    {"reverse burst with transmit DPL", Channel(), kColReverseBurst, "180", false, "None"},
    {"reverse burst without its user TPL frequency", Channel().Rx(129).Tx(5).RxBox(1), kColReverseBurst,
     "180", false, "None", {modeltext::kInputTplFrequency}},
    {"power of a fixed-power radio", Channel().FixedPower(), kColPower, "L", false, "2W"},
    {"power of a fixed-power radio as shown", Channel().FixedPower(), kColPower, "2W", true, "2W"},
    {"turn-off code with transmit IDPL", Channel().Tx(50, true), kColTurnOffCode, "On", true, "On"},
    {"talkaround of a simplex channel", Channel().Simplex().Rx(0).Tx(0), kColTalkaround, "On", false,
     "Off"},
};

// A refused text leaves image and cells as they were, whatever steps it tried.
TEST_F(ChannelSteps, ATypedTextStepsTheSwitchUntilItShows) {
    for (const Typed& c : kTyped) {
        SCOPED_TRACE(c.name);
        load(c.channel);
        const EditingModel::Snapshot before = model.snapshot();
        const EditResult r = model.SetCellText(kRow, c.column, c.text);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(Texts(r.messages), c.messages);
        EXPECT_EQ(cell(c.column).text, c.shown);
        if (!c.ok) {
            EXPECT_EQ(state.image, before.state.image);
            EXPECT_EQ(model.copies().cells[kRow], before.copies.cells[kRow]);
            EXPECT_EQ(model.copies().revBurstStep, before.copies.revBurstStep);
        }
    }
}

// ---- The signalling choices and the switches that depend on them --------------

// One gesture: a step of a switch cell, or a choice in the tone dialog.
struct Op {
    int column = 0;  // a switch column to step, or 0 for a choice
    Side side = Side::Rx;
    int code = 0;
    bool inverted = false;
};
Op StepOf(int column) { return {column}; }
Op Choose(Side side, int code, bool inverted = false) { return {0, side, code, inverted}; }

struct Interplay {
    const char* name;
    Channel channel;
    std::vector<Op> ops;
    int column;  // the cell checked afterwards
    ChannelOption option;
    const char* text;
    unsigned value;
    bool grey;
    int burstStep = -1;
};

const Interplay kInterplay[] = {
    {"mute greyed by receive CSQ steps after a receive tone", Channel().Rx(0),
     {StepOf(kColMute), Choose(Side::Rx, 1), StepOf(kColMute)}, kColMute, ChannelOption::Mute, "2", 2, false},
    {"mute keeps its mode and greys with receive CSQ", Channel(),
     {StepOf(kColMute), Choose(Side::Rx, 0), StepOf(kColMute)}, kColMute, ChannelOption::Mute, "2", 2, true},
    {"mute steps after receive IDPL", Channel().Rx(0),
     {Choose(Side::Rx, 43, true), StepOf(kColMute)}, kColMute, ChannelOption::Mute, "2", 2, false},
    {"mute does not follow the transmit side", Channel(),
     {Choose(Side::Tx, 0), StepOf(kColMute)}, kColMute, ChannelOption::Mute, "2", 2, false},
    {"turn-off code cleared and greyed by transmit TPL", Channel(),
     {StepOf(kColTurnOffCode), Choose(Side::Tx, 5)}, kColTurnOffCode, ChannelOption::TurnOffCode, "Off", 0, true},
    {"turn-off code cleared and greyed by transmit TPL2", Channel(),
     {StepOf(kColTurnOffCode), Choose(Side::Tx, 129)}, kColTurnOffCode, ChannelOption::TurnOffCode, "Off", 0, true},
    {"turn-off code cleared and greyed by transmit CSQ", Channel(),
     {StepOf(kColTurnOffCode), Choose(Side::Tx, 0)}, kColTurnOffCode, ChannelOption::TurnOffCode, "Off", 0, true},
    {"turn-off code kept by another transmit DPL", Channel(),
     {StepOf(kColTurnOffCode), Choose(Side::Tx, 60)}, kColTurnOffCode, ChannelOption::TurnOffCode, "On", 1, false},
    {"turn-off code kept by transmit IDPL", Channel(),
     {StepOf(kColTurnOffCode), Choose(Side::Tx, 60, true)}, kColTurnOffCode, ChannelOption::TurnOffCode, "On", 1,
     false},
    {"turn-off code steps once transmit DPL is chosen", Channel().Tx(5),
     {Choose(Side::Tx, 127), StepOf(kColTurnOffCode)}, kColTurnOffCode, ChannelOption::TurnOffCode, "On", 1, false},
    {"turn-off code does not follow the receive side", Channel().Tx(5),
     {Choose(Side::Rx, 43), StepOf(kColTurnOffCode)}, kColTurnOffCode, ChannelOption::TurnOffCode, "Off", 0, true},
    {"reverse burst cleared by transmit DPL, its counter restarts", Channel().Tx(5),
     {StepOf(kColReverseBurst), StepOf(kColReverseBurst), Choose(Side::Tx, 43), Choose(Side::Tx, 5),
      StepOf(kColReverseBurst)},
     kColReverseBurst, ChannelOption::ReverseBurst, "180", 2, false, 1},
    {"reverse burst cleared and greyed by transmit CSQ", Channel().Tx(5),
     {StepOf(kColReverseBurst), StepOf(kColReverseBurst), Choose(Side::Tx, 0)}, kColReverseBurst,
     ChannelOption::ReverseBurst, "None", 0, true, 0},
    {"reverse burst cleared and greyed by transmit IDPL", Channel().Tx(5),
     {StepOf(kColReverseBurst), Choose(Side::Tx, 43, true)}, kColReverseBurst, ChannelOption::ReverseBurst, "None",
     0, true, 0},
    {"reverse burst kept by another transmit TPL", Channel().Tx(5),
     {StepOf(kColReverseBurst), StepOf(kColReverseBurst), Choose(Side::Tx, 7)}, kColReverseBurst,
     ChannelOption::ReverseBurst, "240", 3, false, 2},
    {"reverse burst kept by transmit TPL3, its counter goes on", Channel().Tx(5),
     {StepOf(kColReverseBurst), StepOf(kColReverseBurst), Choose(Side::Tx, 130), StepOf(kColReverseBurst)},
     kColReverseBurst, ChannelOption::ReverseBurst, "None", 0, false, 0},
    {"reverse burst steps once transmit TPL is chosen", Channel().Tx(0),
     {Choose(Side::Tx, 42), StepOf(kColReverseBurst)}, kColReverseBurst, ChannelOption::ReverseBurst, "180", 2,
     false, 1},
    {"reverse burst does not follow the receive side", Channel().Tx(5),
     {StepOf(kColReverseBurst), Choose(Side::Rx, 0)}, kColReverseBurst, ChannelOption::ReverseBurst, "180", 2, false,
     1},
    // A load shows the stored talkaround bit; the rule runs on the next choice.
    {"talkaround of a one-frequency channel loads as stored", Channel().Simplex().Rx(129).Tx(0), {},
     kColTalkaround, ChannelOption::Talkaround, "Off", 0, false},
    // Every choice runs the talkaround rule: a duplex channel is "On" again.
    {"talkaround switched off comes back with the next choice", Channel(),
     {StepOf(kColTalkaround), StepOf(kColTalkaround), Choose(Side::Tx, 60)}, kColTalkaround,
     ChannelOption::Talkaround, "On", 1, false},
    {"talkaround off and greyed by a choice that makes the channel simplex", Channel().Simplex().Rx(129),
     {Choose(Side::Tx, 129)}, kColTalkaround, ChannelOption::Talkaround, "Off", 0, true},
    {"talkaround on by a choice that makes the signallings differ", Channel().Simplex().Rx(129),
     {Choose(Side::Tx, 129), Choose(Side::Tx, 130)}, kColTalkaround, ChannelOption::Talkaround, "On", 1, false},
};

TEST_F(ChannelSteps, SignalChoicesClearKeepAndGreyTheirSwitches) {
    for (const Interplay& c : kInterplay) {
        SCOPED_TRACE(c.name);
        load(c.channel);
        for (const Op& op : c.ops) {
            if (op.column) {
                model.StepSwitch(kRow, op.column);
            } else {
                EXPECT_TRUE(model.ChooseSignal(kRow, op.side, op.code, op.inverted).ok);
            }
        }
        EXPECT_EQ(cell(c.column).text, c.text);
        EXPECT_EQ(value(c.option), c.value);
        EXPECT_EQ(cell(c.column).grey, c.grey);
        if (c.burstStep >= 0) {
            EXPECT_EQ(burstStep(), c.burstStep);
        }
    }
}

// A choice writes the side's code and inversion bit and its cell text, and
// leaves the other side's inversion bit alone.
TEST_F(ChannelSteps, AChoiceWritesItsSideOnly) {
    struct Case {
        Side side;
        int code;
        bool inverted;
        const char* text;
    };
    const Case cases[] = {
        {Side::Rx, 1, false, " TPL: 67.0 Hz"}, {Side::Rx, 43, true, " IDPL: 023"},
        {Side::Rx, 0, false, " CSQ"},          {Side::Tx, 127, false, " DPL: 754"},
        {Side::Tx, 43, true, " IDPL: 023"},    {Side::Tx, 42, false, " TPL: 254.1 Hz"},
        {Side::Tx, 128, false, " TPL1"},       {Side::Tx, 129, false, " TPL2"},
        {Side::Tx, 130, false, " TPL3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        // Both sides start inverted.
        load(Channel().Rx(60).Tx(60, true).Option(ChannelOption::RxDplInverted, 1));
        const Side other = c.side == Side::Rx ? Side::Tx : Side::Rx;
        const std::string otherText = model.cell(kRow, other == Side::Rx ? kColRxSignal : kColTxSignal).text;
        state.dataChanged = false;
        const EditResult r = model.ChooseSignal(kRow, c.side, c.code, c.inverted);
        EXPECT_TRUE(r.ok);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(state.image.byte(SignalOffset(kRow, c.side)), c.code);
        EXPECT_EQ(value(InversionOption(c.side)), c.inverted ? 1u : 0u);
        EXPECT_EQ(cell(c.side == Side::Rx ? kColRxSignal : kColTxSignal).text, c.text);
        EXPECT_EQ(value(InversionOption(other)), 1u);
        EXPECT_EQ(model.cell(kRow, other == Side::Rx ? kColRxSignal : kColTxSignal).text, otherText);
        EXPECT_TRUE(state.dataChanged);
        expectRowNotice(true);
    }
    // A code outside the tables, or a row the grid does not have, is refused.
    load({});
    const CodeplugImage before = state.image;
    EXPECT_FALSE(model.ChooseSignal(kRow, Side::Tx, 131).ok);
    EXPECT_FALSE(model.ChooseSignal(kRow, Side::Rx, -1).ok);
    EXPECT_FALSE(model.ChooseSignal(17, Side::Rx, 1).ok);
    EXPECT_EQ(state.image, before);
    expectRowNotice(false);
}

// ---- Shading after a load -----------------------------------------------------

// Which switch cells a load shows grey: mute by the receive signalling, the
// turn-off code and the reverse burst by the transmit signalling, talkaround
// on a simplex channel; every one of them while a password locks the editor.
TEST_F(ChannelSteps, ALoadGreysTheSwitchesWithoutEffect) {
    struct Case {
        const char* name;
        Channel channel;
        bool mute, turnOffCode, reverseBurst, talkaround;
    };
    const Case cases[] = {
        {"receive TPL, transmit DPL", Channel(), false, false, true, false},
        {"receive CSQ, transmit CSQ, simplex", Channel().Simplex().Rx(0).Tx(0), true, true, true, true},
        {"transmit TPL", Channel().Tx(5), false, true, false, false},
        {"transmit TPL2", Channel().Tx(129), false, true, false, false},
        {"transmit IDPL", Channel().Tx(50, true), false, false, true, false},
        {"locked by a password", Channel().Locked(), true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(c.channel);
        EXPECT_EQ(cell(kColMute).grey, c.mute);
        EXPECT_EQ(cell(kColTurnOffCode).grey, c.turnOffCode);
        EXPECT_EQ(cell(kColReverseBurst).grey, c.reverseBurst);
        EXPECT_EQ(cell(kColTalkaround).grey, c.talkaround);
    }
}

}  // namespace
}  // namespace vantrel::testing
