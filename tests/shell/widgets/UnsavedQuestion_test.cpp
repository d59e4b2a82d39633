// The save question comes only when something is unsaved: keys that merely
// reach a box on their way to a menu (Ctrl of Ctrl+O, Alt of Alt+F) or Tab
// leaving it change nothing.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/widgets/ShellFixture.h"

namespace vantrel::test {
namespace {

struct BoxCase {
    const char* box;
    int index;        // the control-array index, -1 for a single box
    char typed;       // a character the box takes, which does touch the data
};

struct UnsavedQuestion : ::testing::TestWithParam<BoxCase> {
    ShellFixture f;

    QLineEdit* box() {
        for (QLineEdit* b : f.main->findChildren<QLineEdit*>(QString::fromLatin1(GetParam().box)))
            if (GetParam().index < 0 || b->property("index").toInt() == GetParam().index) return b;
        return nullptr;
    }
    // Opens a shipped file and saves it, leaving the cursor in the box.
    QLineEdit* savedWithCursorIn() {
        f.openDefaultFile();
        QLineEdit* b = box();
        EXPECT_NE(b, nullptr);
        if (!b) return nullptr;
        b->setFocus();
        f.prompts.fileNames.push_back(f.path("saved.cpg"));
        f.menu("mnuFileSave");
        EXPECT_TRUE(f.prompts.messages.empty()) << f.prompts.texts().join('|').toStdString();
        EXPECT_FALSE(f.state.dataChanged);
        f.prompts.clear();
        return b;
    }
    bool asked() const {
        for (const auto& m : f.prompts.messages)
            if (m.text == "Save Current Data to File ?") return true;
        return false;
    }
};

TEST_P(UnsavedQuestion, ModifierAndTabKeysThenOpenOrExitDoNotAsk) {
    QLineEdit* b = savedWithCursorIn();
    ASSERT_NE(b, nullptr);
    for (Qt::Key k : {Qt::Key_Control, Qt::Key_Alt, Qt::Key_Shift}) {
        QTest::keyPress(b, k);
        QTest::keyRelease(b, k);
    }
    QTest::keyClick(b, Qt::Key_Tab);
    f.menu("mnuFileOpen");  // the open dialog is cancelled
    EXPECT_FALSE(asked());
    f.menu("mnuFileExit");
    EXPECT_FALSE(asked());
    EXPECT_FALSE(f.main->isVisible());
}

TEST_P(UnsavedQuestion, TypingInTheBoxStillAsks) {
    QLineEdit* b = savedWithCursorIn();
    ASSERT_NE(b, nullptr);
    QTest::keyClick(b, GetParam().typed);
    f.prompts.answers = {Prompts::Answer::Cancel};
    f.menu("mnuFileOpen");
    EXPECT_TRUE(asked());
}

INSTANTIATE_TEST_SUITE_P(Boxes, UnsavedQuestion,
                         ::testing::Values(BoxCase{"txtPassword", -1, 'A'}, BoxCase{"txtTPL_RxFrequency", 0, '1'},
                                           BoxCase{"txtTPL_TxFrequency", 2, '1'},
                                           BoxCase{"txtPrioScanChNo", -1, '1'}, BoxCase{"txtTotTime", -1, '1'},
                                           BoxCase{"txtScanSpeedTime", -1, '1'}),
                         [](const auto& info) {
                             return std::string(info.param.box + 3) +
                                    (info.param.index < 0 ? "" : std::to_string(info.param.index));
                         });

}  // namespace
}  // namespace vantrel::test
