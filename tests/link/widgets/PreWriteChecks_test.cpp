// The checks before a write or save, on a small stand-in of the editor's
// controls found by their object names.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "link/widgets/PreWriteChecks.h"
#include "support/ScriptedPrompts.h"

using namespace vantrel;

namespace {

struct EditorStandIn {
    QWidget editor;
    QLineEdit* rx[3];
    QLineEdit* tx[3];
    QCheckBox* prioEnable;
    QLineEdit* prio;
    QListWidget* outside;
    QTabWidget* tabs;

    EditorStandIn() {
        for (int k = 0; k < 3; ++k) {
            rx[k] = new QLineEdit("120.0", &editor);
            rx[k]->setObjectName("txtTPL_RxFrequency");
            rx[k]->setProperty("index", k);
            tx[k] = new QLineEdit("120.0", &editor);
            tx[k]->setObjectName("txtTPL_TxFrequency");
            tx[k]->setProperty("index", k);
        }
        prioEnable = new QCheckBox(&editor);
        prioEnable->setObjectName("chkPrioScanEnable");
        prio = new QLineEdit(&editor);
        prio->setObjectName("txtPrioScanChNo");
        outside = new QListWidget(&editor);
        outside->setObjectName("LstChannel");
        tabs = new QTabWidget(&editor);
        tabs->setObjectName("sstMain");
        for (int t = 0; t < 3; ++t) tabs->addTab(new QWidget, QString::number(t));
    }
    PreWriteControls controls() { return PreWriteControls::find(&editor); }
};

const QString kPrioError =
    "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ";

}  // namespace

TEST(PreWriteChecks, FindsTheEditorControlsByName) {
    EditorStandIn e;
    PreWriteControls c = e.controls();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(c.tplRx[k], e.rx[k]);
        EXPECT_EQ(c.tplTx[k], e.tx[k]);
    }
    EXPECT_EQ(c.prioScanEnable, e.prioEnable);
    EXPECT_EQ(c.prioScanChNo, e.prio);
    EXPECT_EQ(c.lstChannel, e.outside);
    EXPECT_EQ(c.sstMain, e.tabs);
}

TEST(PreWriteChecks, UserTplBoxesBelow67HzFailAtTheFirstInOrder) {
    struct Case {
        const char* text;
        bool passes;
    };
    for (Case cs : {Case{"67", true}, Case{"67.0", true}, Case{"255.0", true}, Case{"66.9", false},
                    Case{"", false}, Case{"abc", false}, Case{" 70x", true}}) {
        SCOPED_TRACE(cs.text);
        EditorStandIn e;
        e.tx[1]->setText(cs.text);
        test::ScriptedPrompts prompts;
        EXPECT_EQ(CheckUserTplFrequencies(e.controls(), prompts), cs.passes);
        if (cs.passes) {
            EXPECT_TRUE(prompts.messages.empty());
            continue;
        }
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, "Invalid Frequency");
        EXPECT_EQ(prompts.messages[0].title, "Vantrel CPS");
        EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::None);
        EXPECT_TRUE(e.tx[1]->text().isEmpty());
    }

    // Receive 2 comes before transmit 2; only the first failing box is emptied.
    EditorStandIn e;
    e.tx[1]->setText("10");
    e.rx[1]->setText("20");
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(CheckUserTplFrequencies(e.controls(), prompts));
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(e.rx[1]->text().isEmpty());
    EXPECT_EQ(e.tx[1]->text(), "10");
}

TEST(PreWriteChecks, PriorityChannelMustBeInTheScanList) {
    struct Case {
        const char* prio;
        bool passes;
    };
    // Channels 2 and 5 are outside the scan list.
    for (Case cs : {Case{"3", true}, Case{"2", false}, Case{"5", false}, Case{"0", false},
                    Case{"", false}, Case{"16", true}}) {
        SCOPED_TRACE(cs.prio);
        EditorStandIn e;
        e.outside->addItems({"2", "5"});
        e.prio->setText(cs.prio);
        e.tabs->setCurrentIndex(2);
        test::ScriptedPrompts prompts;
        EXPECT_EQ(CheckPriorityChannel(e.controls(), prompts), cs.passes);
        if (cs.passes) {
            EXPECT_TRUE(prompts.messages.empty());
            EXPECT_EQ(e.tabs->currentIndex(), 2);
            continue;
        }
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, kPrioError);
        EXPECT_EQ(prompts.messages[0].title, "Vantrel CPS");
        EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::None);
        EXPECT_EQ(e.tabs->currentIndex(), 0);
    }
}
