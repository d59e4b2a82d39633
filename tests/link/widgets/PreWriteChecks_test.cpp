#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "link/widgets/PreWriteChecks.h"
#include "support/ScriptedPrompts.h"

using namespace vantrel;

namespace {

struct TplBoxes {
    QLineEdit rx[3], tx[3];
    bool check(Prompts& p) { return CheckUserTplFrequencies(p, {&rx[0], &rx[1], &rx[2]}, {&tx[0], &tx[1], &tx[2]}); }
};

}  // namespace

// Texts in checking order: rx1, tx1, rx2, tx2, rx3, tx3; the index of the box
// that fails, or -1.
TEST(CheckUserTplFrequencies, FirstBoxBelow67FailsAndIsEmptied) {
    struct Case {
        std::array<const char*, 6> texts;
        int failing;
    } cases[] = {
        {{"120.0", "200.0", "255.0", "67", "67.0", "254.9"}, -1},
        {{"120.0", "200.0", "66.9", "10", "255.0", "255.0"}, 2},
        {{"120.0", "", "66.9", "120.0", "120.0", "120.0"}, 1},
        {{"120.0", "120.0", "120.0", "120.0", "120.0", "abc"}, 5},
    };
    for (const auto& c : cases) {
        test::ScriptedPrompts prompts;
        TplBoxes b;
        QLineEdit* order[6] = {&b.rx[0], &b.tx[0], &b.rx[1], &b.tx[1], &b.rx[2], &b.tx[2]};
        for (int i = 0; i < 6; ++i) order[i]->setText(c.texts[i]);
        EXPECT_EQ(b.check(prompts), c.failing < 0) << c.failing;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(order[i]->text(), i == c.failing ? QString() : QString(c.texts[i])) << i;
        if (c.failing < 0) {
            EXPECT_TRUE(prompts.messages.empty());
        } else {
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text, "Invalid Frequency");
            EXPECT_EQ(prompts.messages[0].title, "Vantrel CPS");
        }
    }
}

TEST(CheckPriorityChannel, FailsOutsideTheScanListAndOnZero) {
    struct Case {
        const char* priority;
        bool passes;
    } cases[] = {{"3", true}, {"16", true}, {"5", false}, {"2", false}, {"0", false}, {"", false}};
    for (const auto& c : cases) {
        test::ScriptedPrompts prompts;
        QLineEdit prio(c.priority);
        QListWidget outside;
        outside.addItems({"002", "005"});
        QTabWidget tabs;
        tabs.addTab(new QWidget, "0");
        tabs.addTab(new QWidget, "1");
        tabs.setCurrentIndex(1);
        EXPECT_EQ(CheckPriorityChannel(prompts, prio, outside, tabs), c.passes) << c.priority;
        EXPECT_EQ(tabs.currentIndex(), c.passes ? 1 : 0);
        if (c.passes) continue;
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text,
                  "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ");
    }
}
