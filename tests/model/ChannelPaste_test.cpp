// Copying channel rows as tab-separated text and pasting them back, from this
// program or from a spreadsheet: all rows or none, each value as if typed.
#include <gtest/gtest.h>

#include "channels/ChannelRecord.h"
#include "codeplug/ByteMap.h"
#include "model/ChannelPaste.h"
#include "model/ChannelRowsText.h"
#include "model/OpenedModel.h"

namespace vantrel {
namespace {

namespace bm = bytemap;
using testing::OpenedModel;

std::vector<std::uint8_t> record(const EditingModel& m, int n) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < bm::ChannelRecordSize; ++i) out.push_back(m.image().byte(bm::channelRecord(n) + i));
    for (std::size_t at : {RasterFlagOffset(n, Side::Rx), RasterFlagOffset(n, Side::Tx), bm::subBandIndex(n), bm::scanSlot(n)})
        out.push_back(m.image().byte(at));
    return out;
}

std::vector<std::string> rowTexts(const EditingModel& m, int n) {
    std::vector<std::string> out;
    for (int c = 1; c < kChannelColumnCount; ++c) out.push_back(m.cell(n, c).text);
    return out;
}

TEST(ChannelPaste, ACopiedRowPastesBackAsTheSameChannel) {
    OpenedModel o("U2_NAG.cpg");
    EditingModel& m = o.model;
    const std::string text = FormatChannelRows(m, {1});
    EXPECT_EQ(text,
              "Ch No\tRx Freq.\tPL Option\tSQ\tMute\tTx Freq.\tPL Option\tPWR\tTOC\tRx Only\tRev Burst\tBCLO\tBand\tTA\n"
              "1\t464.02500\tTPL: 103.5 Hz\tNormal\t1\t464.02500\tTPL: 103.5 Hz\tH\tOff\tOff\t240\tOff\t25\tOff\n");
    const PasteOutcome pasted = PasteChannelRows(m, 5, text);
    ASSERT_TRUE(pasted.applied) << ::testing::PrintToString(pasted.problems);
    EXPECT_EQ(pasted.rows, 1);
    EXPECT_EQ(rowTexts(m, 5), rowTexts(m, 1));
    std::vector<std::uint8_t> want = record(m, 1);
    want.back() = 0;  // the pasted channel is not put into the scan list
    EXPECT_EQ(record(m, 5), want);
}

TEST(ChannelPaste, ASpreadsheetBlockWithBadRowsChangesNothing) {
    OpenedModel o("U2_NAG.cpg");
    EditingModel& m = o.model;
    const EditingModel::Snapshot before = m.snapshot();
    // Columns in the spreadsheet's own order, CR LF line ends, quoted cells.
    const std::string block =
        "Rx Freq.\tTx Freq.\tPL Option (Rx)\tComment\tSQ\r\n"
        "462.5625\t467.5625\t\"DPL 023\"\tfirst\tTight\r\n"
        "151.0250\t151.0250\tCSQ\tsecond\tNormal\r\n"
        "\r\n"
        "462.6000\t462.6000\tTPL: 66.6 Hz\tthird\tLoud\r\n";
    const PasteOutcome pasted = PasteChannelRows(m, 2, block);
    EXPECT_FALSE(pasted.applied);
    EXPECT_EQ(pasted.rows, 3);
    EXPECT_EQ(pasted.problems, (std::vector<std::string>{
                                   "Channel 3, Rx Freq. \"151.0250\": Out of Frequency Range",
                                   "Channel 3, Tx Freq. \"151.0250\": Out of Frequency Range",
                                   "Channel 4, PL Option (Rx) \"TPL: 66.6 Hz\": not a value this cell can take",
                                   "Channel 4, SQ \"Loud\": not a value this cell can take",
                               }));
    EXPECT_EQ(m.image(), before.state.image);
    EXPECT_EQ(o.state.dataChanged, before.state.dataChanged);
    for (int n = 2; n <= 4; ++n)
        for (int c = 1; c < kChannelColumnCount; ++c) EXPECT_EQ(m.cell(n, c).text, before.copies.cells[n][c].text);

    // Without the bad rows the block goes in; the greyed mute of a CSQ row
    // is no reason to refuse it.
    const PasteOutcome good = PasteChannelRows(m, 2,
                                               "Rx Freq.\tTx Freq.\tPL Option\tMute\n"
                                               "462.5625\t467.5625\tDPL 023\t3\n"
                                               "462.6000\t462.6000\tCSQ\t2\n");
    ASSERT_TRUE(good.applied) << ::testing::PrintToString(good.problems);
    EXPECT_EQ(m.cell(2, kColRxSignal).text, " DPL: 023");
    EXPECT_EQ(m.cell(2, kColMute).text, "3");
    EXPECT_EQ(m.cell(3, kColTxFrequency).text, "462.60000");
    EXPECT_EQ(m.cell(3, kColMute).text, "1");
    EXPECT_TRUE(o.state.dataChanged);
}

TEST(ChannelPaste, RowsBeyondTheRadiosChannelsAndALockedEditorAreRefused) {
    OpenedModel o("U2_NAG1.cpg");  // 8 channels
    const PasteOutcome pasted = PasteChannelRows(o.model, 8, "462.5625\n462.6000\n");
    EXPECT_FALSE(pasted.applied);
    EXPECT_EQ(pasted.problems, std::vector<std::string>{"Channel 9: this radio has 8 channels"});

    AppState fresh;
    EditingModel locked(fresh);
    locked.LoadEditor();
    EXPECT_FALSE(PasteChannelRows(locked, 1, "462.5625").applied);
}

TEST(ChannelRowsText, ColumnsComeFromTheHeaderOrFromTheRowsLength) {
    struct Case {
        const char* text;
        int column;          // where the row's value should land
        const char* value;
    };
    const Case cases[] = {
        {"Ch No\tRx Freq.\n3\t462.5625\n", kColRxFrequency, "462.5625"},
        {"tx freq.\n 467.5625 \n", kColTxFrequency, "467.5625"},       // any case, blanks around
        {"PL Option\tPL Option\nCSQ\tDPL 023\n", kColTxSignal, "DPL 023"},
        {"462.5625\tCSQ\tTight\n", kColSquelch, "Tight"},               // no header: from Rx Freq. on
        {"1\t462.5625\tCSQ\tNormal\t1\t462.5625\tCSQ\tH\tOff\tOff\tNone\tOff\t25\tOn\n", kColTalkaround, "On"},
    };
    for (const Case& c : cases) {
        const std::vector<PastedRow> rows = ParseChannelRows(c.text);
        ASSERT_EQ(rows.size(), 1u) << c.text;
        EXPECT_EQ(rows[0].cells[c.column].value_or("(none)"), c.value) << c.text;
        EXPECT_FALSE(rows[0].cells[kColChannelNo]) << c.text;
    }
}

TEST(ChannelPaste, ClearingRowsDeletesBothFrequenciesButNeverThePriorityChannels) {
    OpenedModel o("U2_NAG.cpg");
    EditingModel& m = o.model;
    ASSERT_TRUE(PasteChannelRows(m, 2, "462.5625\t\t\t\t467.5625\n462.6000\n").applied);
    ASSERT_TRUE(m.AddToScanList(2).ok);
    ASSERT_TRUE(m.SetFeature(Feature::PriorityScan, true).ok);
    ASSERT_TRUE(m.SetPriorityText("2").ok);

    const CodeplugImage before = m.image();
    const EditResult refused = ClearChannelRows(m, {3, 2});
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].text, "Not Allowed To Delete Priority Channel Frequency  ");
    EXPECT_EQ(m.image(), before);

    ASSERT_TRUE(m.SetFeature(Feature::PriorityScan, false).ok);
    EXPECT_TRUE(ClearChannelRows(m, {2, 3}).ok);
    for (int n : {2, 3}) {
        EXPECT_EQ(m.cell(n, kColRxFrequency).text, "");
        EXPECT_EQ(m.cell(n, kColTxFrequency).text, "");
    }
    EXPECT_EQ(m.image().byte(bm::scanSlot(2)), 0);
}

}  // namespace
}  // namespace vantrel
