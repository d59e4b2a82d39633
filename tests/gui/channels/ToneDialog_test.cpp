// The tone option dialog opened from the grid's signalling cells.
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

#include "channels/ChannelOptions.h"
#include "gui/channels/GridFixture.h"
#include "gui/channels/ToneTableKeys.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/common/Twips.h"

namespace vantrel::testing {
namespace {

class ToneDialog : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        setChannel(1, "151.025", "156.000");
        populate();
    }
    // Opens the dialog for one side of channel 1 by a click on its cell.
    frmChannelToneOption* openOn(Side side) {
        click(1, side == Side::Rx ? 2 : 6);
        return grid->toneDialog();
    }
    int code(Side side) const { return state.image.byte(SignalOffset(1, side)); }
    bool inverted(Side side) const { return OptionValue(state.image, 1, InversionOption(side)) != 0; }
};

TEST_F(ToneDialog, OpensOnTheChannelsCodeWithTheMainWindowDisabled) {
    setSignal(1, Side::Rx, 43);
    state.image.setBit(FlagsBOffset(1), 5, true);  // receive IDPL 023
    populate();
    frmChannelToneOption* dlg = openOn(Side::Rx);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->windowTitle(), "Channel Tone Option");
    EXPECT_TRUE(dlg->option(3)->isChecked());
    EXPECT_TRUE(dlg->codeFrame()->isVisible());
    EXPECT_FALSE(dlg->toneFrame()->isVisible());
    EXPECT_EQ(dlg->focusWidget(), dlg->codeBox(0));
    EXPECT_EQ(dlg->codeBox(0)->text(), "023");
    EXPECT_EQ(dlg->height(), twips(5100));
    EXPECT_EQ(dlg->width(), twips(8250));
    // Its frame 3000 twips right of and below the editor form's corner.
    EXPECT_EQ(dlg->frameGeometry().topLeft(),
              form->mapToGlobal(QPoint(0, 0)) + QPoint(twips(3000), twips(3000)));
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_FALSE(dlg->toneSideTx());
    EXPECT_EQ(dlg->toneChannel(), 0);
}

TEST_F(ToneDialog, TableContents) {
    frmChannelToneOption* dlg = openOn(Side::Rx);
    EXPECT_EQ(dlg->height(), twips(1100));
    EXPECT_EQ(dlg->toneBox(0)->text(), "67.0");
    EXPECT_EQ(dlg->toneBox(41)->text(), "254.1");
    EXPECT_FALSE(dlg->toneBox(42)->isEnabled());
    EXPECT_EQ(dlg->codeBox(84)->text(), "754");
    EXPECT_FALSE(dlg->codeBox(85)->isEnabled());
    const auto labels = dlg->findChildren<QLabel*>("lblToneNo");
    ASSERT_GE(labels.size(), 42);
    EXPECT_EQ(labels[9]->text(), "0A");
    const auto names = dlg->findChildren<QLabel*>("lblToneName");
    EXPECT_EQ(names[32]->text(), "M1");
    const auto numbers = dlg->findChildren<QLabel*>("lblDcsNo");
    EXPECT_EQ(numbers[84]->text(), "85");
}

TEST_F(ToneDialog, ChoosingDplAndIdplCodes) {
    QPointer<frmChannelToneOption> dlg = openOn(Side::Tx);
    QTest::mouseClick(dlg->option(1), Qt::LeftButton);
    EXPECT_TRUE(dlg->codeFrame()->isVisible());
    EXPECT_EQ(dlg->focusWidget(), dlg->codeBox(0));
    EXPECT_EQ(code(Side::Tx), 0);  // nothing written before a code is chosen
    QTest::mouseClick(dlg->codeBox(84), Qt::LeftButton);
    EXPECT_EQ(code(Side::Tx), 127);
    EXPECT_FALSE(inverted(Side::Tx));
    EXPECT_EQ(cell(1, 6), " DPL: 754");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(grid->isCellGrey(1, 8));
    EXPECT_TRUE(grid->isCellGrey(1, 10));

    dlg = openOn(Side::Tx);
    QTest::mouseClick(dlg->option(3), Qt::LeftButton);
    QTest::keyClick(dlg->codeBox(0), Qt::Key_Return);
    EXPECT_EQ(code(Side::Tx), 43);
    EXPECT_TRUE(inverted(Side::Tx));
    EXPECT_EQ(cell(1, 6), " IDPL: 023");
}

// Enter on an option button chooses it; the row shows what the model made
// of the other switches.
TEST_F(ToneDialog, EnterOnAnOptionChoosesIt) {
    setSignal(1, Side::Tx, 5);
    SetOptionText(state.image, 1, ChannelOption::ReverseBurst, "240");
    SetOptionValue(state.image, 1, ChannelOption::TurnOffCode, 1);
    populate();
    frmChannelToneOption* dlg = openOn(Side::Tx);
    EXPECT_TRUE(dlg->option(2)->isChecked());
    EXPECT_EQ(dlg->focusWidget(), dlg->toneBox(4));
    QTest::keyClick(dlg->option(0), Qt::Key_Return);

    EXPECT_EQ(code(Side::Tx), 0);
    EXPECT_EQ(cell(1, 6), " CSQ");
    EXPECT_EQ(cell(1, 8), "Off");
    EXPECT_EQ(cell(1, 10), "None");
    EXPECT_TRUE(grid->isCellGrey(1, 8));
    EXPECT_TRUE(grid->isCellGrey(1, 10));
}

TEST_F(ToneDialog, ClickingATplTone) {
    frmChannelToneOption* dlg = openOn(Side::Rx);
    QTest::mouseClick(dlg->option(2), Qt::LeftButton);
    EXPECT_TRUE(dlg->toneFrame()->isVisible());
    EXPECT_EQ(dlg->height(), twips(4500));
    QTest::mouseClick(dlg->toneBox(0), Qt::LeftButton);
    EXPECT_EQ(code(Side::Rx), 1);
    EXPECT_EQ(cell(1, 2), " TPL: 67.0 Hz");
    EXPECT_FALSE(grid->isCellGrey(1, 4));
}

TEST_F(ToneDialog, EnterOnASignallingCellOpensItsSide) {
    select(1, 6);
    key(Qt::Key_Return);
    ASSERT_NE(grid->toneDialog(), nullptr);
    EXPECT_TRUE(grid->toneDialog()->toneSideTx());
    EXPECT_TRUE(grid->toneDialog()->option(0)->isChecked());
    grid->closeToneDialog();
    EXPECT_TRUE(form->isEnabled());
}

// A user TPL option chosen with the mouse; the talkaround cell shows the
// rule's result.
TEST_F(ToneDialog, ClickingAUserTplOption) {
    setChannel(1, "151.025", "151.025");
    setSignal(1, Side::Rx, 129);
    populate();
    EXPECT_EQ(cell(1, 13), "Off");
    EXPECT_FALSE(grid->isCellGrey(1, 13));
    frmChannelToneOption* dlg = openOn(Side::Tx);
    QTest::mouseClick(dlg->option(5), Qt::LeftButton);
    EXPECT_EQ(code(Side::Tx), 129);
    EXPECT_EQ(cell(1, 6), " TPL2");
    EXPECT_EQ(cell(1, 13), "Off");
    EXPECT_TRUE(grid->isCellGrey(1, 13));
}

TEST_F(ToneDialog, EscLeavesTheChannelUnchanged) {
    setSignal(1, Side::Rx, 20);
    populate();
    const CodeplugImage before = state.image;
    QPointer<frmChannelToneOption> dlg = openOn(Side::Rx);
    QTest::keyClick(dlg->toneBox(19), Qt::Key_Down);
    QTest::keyClick(dlg->focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(state.image == before);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->focusWidget(), table());
}

TEST_F(ToneDialog, ArrowKeysWrapAroundTheTables) {
    using tonekeys::Arrow;
    struct Case {
        bool dpl;
        int from;
        Arrow arrow;
        int to;
    };
    const Case cases[] = {
        {false, 35, Arrow::Right, 8},  {false, 41, Arrow::Down, 36}, {false, 38, Arrow::Right, 2},
        {false, 7, Arrow::Left, 34},   {false, 2, Arrow::Left, 38},  {false, 0, Arrow::Up, 8},
        {false, 36, Arrow::Up, 41},    {false, 9, Arrow::Up, 17},    {false, 17, Arrow::Down, 9},
        {false, 20, Arrow::Right, 29}, {true, 76, Arrow::Right, 10}, {true, 9, Arrow::Left, 75},
        {true, 80, Arrow::Right, 3},   {true, 3, Arrow::Left, 80},   {true, 0, Arrow::Up, 10},
        {true, 77, Arrow::Up, 84},     {true, 84, Arrow::Down, 77},  {true, 21, Arrow::Down, 11},
        {true, 22, Arrow::Up, 32},     {true, 50, Arrow::Down, 51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(tonekeys::NextBox(c.dpl ? tonekeys::kDplTable : tonekeys::kTplTable, c.from, c.arrow), c.to);
    }

    // Every move stays on a box that holds a tone or code.
    for (const auto& t : {tonekeys::kTplTable, tonekeys::kDplTable})
        for (int i = 0; i < t.used; ++i)
            for (Arrow a : {Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down}) {
                const int next = tonekeys::NextBox(t, i, a);
                EXPECT_TRUE(next >= 0 && next < t.used) << i;
            }

    // The keys in the dialog.
    setSignal(1, Side::Rx, 36);  // box 35
    populate();
    frmChannelToneOption* dlg = openOn(Side::Rx);
    dlg->activateWindow();  // focus colours need an active window
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg->isActiveWindow(); }));
    QTest::keyClick(dlg->toneBox(35), Qt::Key_Right);
    EXPECT_EQ(dlg->focusWidget(), dlg->toneBox(8));
    EXPECT_EQ(dlg->toneBox(8)->palette().color(QPalette::Base), QColor(192, 192, 255));
    EXPECT_NE(dlg->toneBox(35)->palette().color(QPalette::Base), QColor(192, 192, 255));
}

}  // namespace
}  // namespace vantrel::testing
