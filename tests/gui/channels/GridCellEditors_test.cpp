// The switch cells of the grid: a double-click or Enter reaches the editing
// model's step and the cell shows what the model holds; the gestures that do
// not reach them. The steps themselves are tables in tests/model.
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
        setChannel(3, "151.025", "156.000");
        setSignal(3, Side::Tx, 5);  // TPL: the reverse burst steps
        for (int k = 0; k < 3; ++k) state.image.setWord(bytemap::userTplRxWord(k), 1200);
        populate();
    }
    unsigned option(int n, ChannelOption o) const { return OptionValue(state.image, n, o); }
};

// One double-click on every switch column, then Enter.
TEST_F(SwitchCells, DoubleClickAndEnterStepTheSwitch) {
    struct Case {
        int row, column;
        ChannelOption option;
        QString text;
        unsigned value;
    };
    const Case cases[] = {
        {1, 3, ChannelOption::Squelch, "Tight", 1},     {1, 4, ChannelOption::Mute, "2", 2},
        {1, 7, ChannelOption::Power, "L", 0},           {1, 8, ChannelOption::TurnOffCode, "On", 1},
        {1, 9, ChannelOption::RxOnly, "On", 1},         {3, 10, ChannelOption::ReverseBurst, "180", 2},
        {1, 11, ChannelOption::Bclo, "On", 1},          {1, 12, ChannelOption::Bandwidth, "12.5", 0},
        {1, 13, ChannelOption::Talkaround, "On", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        doubleClick(c.row, c.column);
        EXPECT_EQ(cell(c.row, c.column), c.text);
        EXPECT_EQ(option(c.row, c.option), c.value);
        EXPECT_FALSE(grid->isCellGrey(c.row, c.column));
    }
    select(1, 3);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(1, 3), "Normal");
    EXPECT_EQ(option(1, ChannelOption::Squelch), 0u);

    // A greyed switch stays as it is, grey.
    const CodeplugImage before = state.image;
    doubleClick(2, 4);  // mute with receive CSQ
    EXPECT_EQ(cell(2, 4), "1");
    EXPECT_TRUE(grid->isCellGrey(2, 4));
    EXPECT_TRUE(state.image == before);
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

// The grid shows the grey the model gives each switch, unlocked and locked.
TEST_F(SwitchCells, TheGridShowsTheModelsGrey) {
    auto expectModelsGrey = [&] {
        int grey = 0;
        for (int r = 1; r <= 3; ++r)
            for (int c : {4, 8, 10, 13}) {
                SCOPED_TRACE(std::to_string(r) + "," + std::to_string(c));
                EXPECT_EQ(grid->isCellGrey(r, c), model().cell(r, c).grey);
                grey += model().cell(r, c).grey ? 1 : 0;
            }
        return grey;
    };
    const int unlocked = expectModelsGrey();
    EXPECT_GT(unlocked, 0);
    EXPECT_LT(unlocked, 12);
    // A protected codeplug shows every switch grey until it is unlocked.
    state.image.setByte(bytemap::Password, 'A');
    populate();
    EXPECT_EQ(expectModelsGrey(), 12);
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
