#include <QAction>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include "codeplug/widgets/EditorFixture.h"

namespace vantrel::test {
namespace {

using A = Prompts::Answer;

struct ClosingTest : ::testing::Test {
    EditorFixture f;
    int portFileWrites = 0;
    int saves = 0;
    void SetUp() override {
        f.startUp();
        f.load(sampleImage());
        f.editor().setEditorVisible(true);
        f.main->writePortFile = [this] { ++portFileWrites; };
        f.main->setCommand(MDIFormMain::Command::Save, [this] { ++saves; });
        f.state.dataChanged = true;
    }
    bool placementStored() {
        f.settings.sync();
        return f.settings.contains("Settings/MainLeft");
    }
};

TEST_F(ClosingTest, CancelKeepsTheProgramWithNothingWritten) {
    f.prompts.answers = {A::Cancel};
    f.main->menuAction("mnuFileExit")->trigger();
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    const auto& q = f.prompts.messages[0];
    EXPECT_EQ(q.text, "Save Current Data to File ?");
    EXPECT_EQ(q.title, "Save ?");
    EXPECT_EQ(q.buttons, Prompts::Buttons::YesNoCancel);
    EXPECT_EQ(q.defaultButton, A::Cancel);
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_EQ(portFileWrites, 0);
    EXPECT_FALSE(placementStored());
    EXPECT_FALSE(f.state.exitRequested);
    EXPECT_FALSE(f.state.appClosing);
}

TEST_F(ClosingTest, NoClosesAndStoresPortAndPlacement) {
    f.prompts.answers = {A::No};
    f.main->menuAction("mnuFileExit")->trigger();
    EXPECT_FALSE(f.main->isVisible());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(portFileWrites, 1);
    EXPECT_TRUE(placementStored());
    EXPECT_EQ(f.settings.value("Settings/MainLeft").toString(), "0");
    EXPECT_EQ(f.settings.value("Settings/MainWidth").toString().toInt() / 100, 15120 / 100);
    EXPECT_TRUE(f.state.appClosing);
}

TEST_F(ClosingTest, YesSavesAndACancelledSaveKeepsTheProgram) {
    f.prompts.answers = {A::Yes};
    f.main->setCommand(MDIFormMain::Command::Save, [this] { ++saves; f.state.saveCancelled = true; });
    f.main->close();
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_EQ(portFileWrites, 0);
}

TEST_F(ClosingTest, MinimizedEditorStoresNoPlacement) {
    f.state.dataChanged = false;
    auto* frame = qobject_cast<QMdiSubWindow*>(f.editor().parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    frame->close();   // the editor's close box ends the program
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.main->isVisible());
    EXPECT_EQ(portFileWrites, 1);
    EXPECT_FALSE(placementStored());
}

}  // namespace
}  // namespace vantrel::test
