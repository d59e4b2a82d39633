// The read/write dialog while a radio is waited for: the status says so and
// the indicator blinks until the exchange reports.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

#include "gui/link/LinkFixture.h"

namespace vantrel::test {
namespace {

TEST(WaitFeedback, IndicatorBlinksAndStatusSaysWaitingUntilTheRadioAnswers) {
    for (const bool write : {false, true}) {
        LinkFixture f;
        f.main->runCommand(write ? MDIFormMain::Command::Write : MDIFormMain::Command::Read);
        frmProgram& d = f.dialog();
        ASSERT_TRUE(d.isVisible());
        const auto led = write ? link::Indicator::Red : link::Indicator::Green;

        // A radio that stays silent for a while, then answers with a status.
        QString during;
        std::set<unsigned> colours;
        auto silentRadio = [&] {
            during = d.lblProgram()->text();
            for (int i = 0; i < 4; ++i) {
                QTest::qWait(150);
                colours.insert(d.indicatorColor(led));
            }
            d.setStatus("Please wait a moment......");
        };
        (write ? d.onWrite : d.onRead) = silentRadio;
        (write ? d.cmdWrite() : d.cmdRead())->click();

        EXPECT_EQ(during, "Waiting for radio...") << write;
        EXPECT_EQ(colours, (std::set<unsigned>{write ? 0xFF0000u : 0x00FF00u, write ? 0xFFC0C0u : 0xC0FFC0u}))
            << write;
        // The exchange's own status and indicator take over: no more blinking.
        EXPECT_EQ(d.lblProgram()->text(), "Please wait a moment......");
        const unsigned after = d.indicatorColor(led);
        QTest::qWait(450);
        EXPECT_EQ(d.indicatorColor(led), after);
    }
}

TEST(WaitFeedback, APortThatCannotBeUsedStartsNoTransfer) {
    LinkFixture f;
    f.main->runCommand(MDIFormMain::Command::Read);
    frmProgram& d = f.dialog();
    bool ran = false;
    d.onRead = [&] { ran = true; };
    d.portReady = [] { return false; };
    d.cmdRead()->click();
    EXPECT_FALSE(ran);
    EXPECT_EQ(d.lblProgram()->text(), "Click Read Button");
    EXPECT_TRUE(d.cmdRead()->isEnabled());   // plug the cable back in and press again
}

}  // namespace
}  // namespace vantrel::test
