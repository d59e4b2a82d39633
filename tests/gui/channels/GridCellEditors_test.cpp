// The switch cells of the grid: their value cycles, bits and grey rules, and
// the gestures that do not reach them.
#include <QMouseEvent>

#include "channels/ChannelOptions.h"
#include "gui/channels/GridFixture.h"
#include "gui/common/Twips.h"

namespace vantrel::testing {
namespace {

class SwitchCells : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        setChannel(1, "151.025", "156.000");
        setSignal(1, Side::Rx, 1);   // TPL 67.0
        setSignal(1, Side::Tx, 43);  // DPL 023
        setChannel(2, "151.025", "151.025");  // CSQ both sides: simplex
        for (int k = 0; k < 3; ++k) state.image.setWord(bytemap::userTplRxWord(k), 1200);
        populate();
    }
    QStringList cycle(int row, int column, int times) {
        QStringList out;
        for (int i = 0; i < times; ++i) {
            doubleClick(row, column);
            out << cell(row, column);
        }
        return out;
    }
    unsigned option(int n, ChannelOption o) const { return OptionValue(state.image, n, o); }
};

TEST_F(SwitchCells, TwoStateSwitchesToggleTheirBits) {
    struct Case {
        int column;
        ChannelOption option;
        QStringList texts;
        std::vector<unsigned> values;
    };
    const Case cases[] = {
        {3, ChannelOption::Squelch, {"Tight", "Normal"}, {1, 0}},
        {7, ChannelOption::Power, {"L", "H"}, {0, 1}},
        {9, ChannelOption::RxOnly, {"On", "Off"}, {1, 0}},
        {11, ChannelOption::Bclo, {"On", "Off"}, {1, 0}},
        {12, ChannelOption::Bandwidth, {"12.5", "25"}, {0, 1}},
        {13, ChannelOption::Talkaround, {"On", "Off"}, {1, 0}},
        {8, ChannelOption::TurnOffCode, {"On", "Off"}, {1, 0}},  // transmit DPL
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        for (int i = 0; i < 2; ++i) {
            doubleClick(1, c.column);
            EXPECT_EQ(cell(1, c.column), c.texts[i]);
            EXPECT_EQ(option(1, c.option), c.values[i]);
        }
        EXPECT_FALSE(grid->isCellGrey(1, c.column));
    }
    // Enter runs the same switch.
    select(1, 3);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(1, 3), "Tight");
}

TEST_F(SwitchCells, MuteCyclesOnlyWithReceiveSignalling) {
    EXPECT_EQ(cycle(1, 4, 3), (QStringList{"2", "3", "1"}));
    EXPECT_EQ(option(1, ChannelOption::Mute), 1u);

    const CodeplugImage before = state.image;
    EXPECT_EQ(cycle(2, 4, 1), QStringList{"1"});  // CSQ
    EXPECT_TRUE(grid->isCellGrey(2, 4));
    EXPECT_TRUE(state.image == before);
}

TEST_F(SwitchCells, TurnOffCodeOnlyWithTransmitDpl) {
    setSignal(2, Side::Tx, 5);  // TPL
    populate();
    const CodeplugImage before = state.image;
    EXPECT_EQ(cycle(2, 8, 1), QStringList{"Off"});
    EXPECT_TRUE(grid->isCellGrey(2, 8));
    EXPECT_TRUE(state.image == before);

    setSignal(2, Side::Tx, 50);
    state.image.setBit(FlagsBOffset(2), 6, true);  // IDPL
    populate();
    EXPECT_EQ(cycle(2, 8, 1), QStringList{"On"});
    EXPECT_FALSE(grid->isCellGrey(2, 8));
}

TEST_F(SwitchCells, ReverseBurstOnlyWithTransmitTpl) {
    const CodeplugImage before = state.image;
    EXPECT_EQ(cycle(1, 10, 1), QStringList{"None"});  // transmit DPL
    EXPECT_TRUE(grid->isCellGrey(1, 10));
    EXPECT_TRUE(state.image == before);

    // Loaded with 240 degrees, the step counter still starts at 180.
    setSignal(2, Side::Tx, 130);  // TPL3
    SetOptionText(state.image, 2, ChannelOption::ReverseBurst, "240");
    populate();
    EXPECT_EQ(cycle(2, 10, 4), (QStringList{"180", "240", "None", "180"}));
    EXPECT_EQ(option(2, ChannelOption::ReverseBurst), 2u);
    EXPECT_FALSE(grid->isCellGrey(2, 10));
}

TEST_F(SwitchCells, ReverseBurstNeedsTheUserTplReceiveFrequency) {
    setSignal(2, Side::Rx, 129);  // TPL2: box 1 is read
    setSignal(2, Side::Tx, 3);
    populate();
    // Only the box of TPL2 is empty.
    emptyUserTpl(Side::Rx, 1);
    const CodeplugImage before = state.image;
    doubleClick(2, 10);
    EXPECT_EQ(prompts.texts(), QStringList{"Input TPL Frequency"});
    EXPECT_TRUE(state.image == before);
}

TEST_F(SwitchCells, FixedPowerRadiosShowTwoWatts) {
    state.image.setByte(bytemap::RadioType, 5);
    populate();
    const CodeplugImage before = state.image;
    EXPECT_EQ(cell(1, 7), "2W");
    EXPECT_EQ(cycle(1, 7, 2), (QStringList{"2W", "2W"}));
    EXPECT_TRUE(state.image == before);
}

TEST_F(SwitchCells, TalkaroundOfASimplexChannelStaysOff) {
    EXPECT_EQ(cell(2, 13), "Off");
    EXPECT_TRUE(grid->isCellGrey(2, 13));
    const CodeplugImage before = state.image;
    EXPECT_EQ(cycle(2, 13, 1), QStringList{"Off"});
    EXPECT_TRUE(state.image == before);
}

TEST_F(SwitchCells, HeadersAndOtherButtonsDoNothing) {
    const CodeplugImage before = state.image;
    const QString squelch = cell(1, 3);
    doubleClick(0, 3);  // header
    doubleClick(1, 0);  // channel number
    click(1, 3, Qt::RightButton);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre(1, 3));
    QTest::mouseRelease(table()->viewport(), Qt::LeftButton, {}, centre(1, 3));
    EXPECT_EQ(cell(1, 3), squelch);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_TRUE(state.image == before);
}

TEST_F(SwitchCells, ShadingFollowsTheSignalling) {
    EXPECT_FALSE(grid->isCellGrey(1, 4));  // receive TPL
    EXPECT_FALSE(grid->isCellGrey(1, 8));  // transmit DPL
    EXPECT_TRUE(grid->isCellGrey(1, 10));
    EXPECT_FALSE(grid->isCellGrey(1, 13));
    EXPECT_TRUE(grid->isCellGrey(2, 4));  // CSQ
    EXPECT_TRUE(grid->isCellGrey(2, 8));
    EXPECT_TRUE(grid->isCellGrey(2, 10));
    // A protected codeplug shows every switch grey until it is unlocked.
    state.image.setByte(bytemap::Password, 'A');
    populate();
    for (int c : {4, 8, 10, 13}) EXPECT_TRUE(grid->isCellGrey(1, c));
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

TEST_F(GridFixture, LayoutHeadersAndHelpTexts) {
    const QStringList headers{"Ch No", "Rx Freq.", "PL Option", "SQ", "Mute", "Tx Freq.", "PL Option",
                              "PWR", "TOC", "Rx Only", "Rev Burst", "BCLO", "Band", "TA"};
    for (int c = 0; c < 14; ++c) EXPECT_EQ(cell(0, c), headers[c]);
    EXPECT_EQ(cell(16, 0), "16");
    EXPECT_EQ(table()->columnWidth(1), twips(1260));

    QString status;
    ctx().setStatusText = [&](const QString& t) { status = t; };
    struct Case {
        int row, column;
        QString status, tip;
    };
    const Case cases[] = {
        {3, 0, "Channel Number", "Ch No : 3"},
        {1, 5, "Channel Tx Frequency Edit", "150 ~ 174 MHz"},
        {1, 7, "Power Level Setting", "High or Low"},
        {1, 9, "Rx Only Setting", " Rx Only Enable or Disable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        QMouseEvent e(QEvent::MouseMove, centre(c.row, c.column), table()->viewport()->mapToGlobal(centre(c.row, c.column)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &e);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(table()->toolTip(), c.tip);
    }
    state.image.setByte(bytemap::ModelIndex, 18);
    QMouseEvent e(QEvent::MouseMove, centre(1, 1), table()->viewport()->mapToGlobal(centre(1, 1)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(table()->viewport(), &e);
    EXPECT_EQ(table()->toolTip(), "148 ~ 174 MHz");
}

}  // namespace
}  // namespace vantrel::testing
