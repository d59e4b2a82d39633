// The save question comes only when something is unsaved: keys that merely
// reach a box on their way to a menu (Ctrl of Ctrl+O, Alt of Alt+F) or Tab
// leaving it change nothing.
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "gui/channels/ChannelGrid.h"

#include "gui/shell/ShellFixture.h"

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

// Cancel gives the focus back to the editor window, and so to the control
// that had it there: after Cancel the arrow keys go on moving in the grid.
TEST(UnsavedQuestionCancel, GivesTheFocusBackToTheControlThatHadIt) {
    const std::pair<const char*, std::function<void(ShellFixture&)>> commands[] = {
        {"Open", [](ShellFixture& f) { f.menu("mnuFileOpen"); }},
        {"Exit", [](ShellFixture& f) { f.menu("mnuFileExit"); }},
        {"editor's close box", [](ShellFixture& f) { f.editorFrame()->close(); }},
    };
    for (const auto& [name, run] : commands) {
        ShellFixture f;
        f.openDefaultFile();
        f.editor().grid()->StepSwitch(1, kColBclo);
        ASSERT_TRUE(f.state.dataChanged);
        QTableWidget* table = f.editor().grid()->table();
        table->setCurrentCell(3, 1);
        table->setFocus();
        f.prompts.answers = {Prompts::Answer::Cancel};
        run(f);
        ASSERT_EQ(f.prompts.texts(), QStringList{"Save Current Data to File ?"}) << name;
        ASSERT_TRUE(f.main->isVisible()) << name;
        EXPECT_EQ(f.main->focusWidget(), table) << name;
    }
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
