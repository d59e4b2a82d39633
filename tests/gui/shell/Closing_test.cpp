#include <gtest/gtest.h>

#include "gui/channels/ChannelGrid.h"
#include "gui/common/Twips.h"
#include "gui/shell/HelpViewer.h"
#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

struct Closing : ::testing::Test {
    ShellFixture f;
    void SetUp() override {
        // The editor's load has created the port file with Com1.
        ASSERT_EQ(portFile(), "\"com1\"\r\n");
        f.openDefaultFile();
        f.editor().grid()->StepSwitch(1, kColBclo);
        ASSERT_TRUE(f.state.dataChanged);
        f.menu("mnuPortCom3");
    }
    QByteArray portFile() { return ShellFixture::read(f.path("KOV_port.txt")); }
};

TEST_F(Closing, CancelKeepsTheProgramOpenAndWritesNothing) {
    f.prompts.answers = {Prompts::Answer::Cancel};
    f.menu("mnuFileExit");
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    const auto& m = f.prompts.messages[0];
    EXPECT_EQ(m.text, "Save Current Data to File ?");
    EXPECT_EQ(m.title, "Save ?");
    EXPECT_EQ(m.buttons, Prompts::Buttons::YesNoCancel);
    EXPECT_EQ(m.defaultButton, Prompts::Answer::Cancel);
    EXPECT_EQ(m.icon, Prompts::Icon::None);
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_FALSE(f.state.exitRequested);
    EXPECT_FALSE(f.state.appClosing);
    EXPECT_TRUE(f.settingsValue("MainLeft").isEmpty());
    EXPECT_EQ(portFile(), "\"com1\"\r\n");

    // Yes with a cancelled save dialog keeps it open as well.
    f.prompts.answers = {Prompts::Answer::Yes};
    EXPECT_FALSE(f.main->close());
    EXPECT_EQ(f.prompts.fileDialogs.size(), 1u);
    EXPECT_TRUE(f.settingsValue("MainLeft").isEmpty());
    EXPECT_EQ(portFile(), "\"com1\"\r\n");
}

TEST_F(Closing, YesWhileAToolbarButtonIsHeldSavesNothingAndKeepsTheProgramOpen) {
    f.state.saveCancelled = false;   // as after an earlier save
    f.state.toolbarButtonDown = true;
    f.prompts.answers = {Prompts::Answer::Yes};
    EXPECT_FALSE(f.main->close());
    EXPECT_TRUE(f.prompts.fileDialogs.empty());
    EXPECT_TRUE(f.state.saveCancelled);
    EXPECT_TRUE(f.state.dataChanged);
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_EQ(portFile(), "\"com1\"\r\n");
}

TEST_F(Closing, NoClosesAndStoresTheEditorPlacement) {
    f.editorFrame()->setGeometry(30, 45, 600, 450);
    f.prompts.answers = {Prompts::Answer::No};
    EXPECT_TRUE(f.main->close());
    EXPECT_TRUE(f.state.appClosing);
    EXPECT_EQ(portFile(), "\"com3\"\r\n");
    EXPECT_EQ(f.settingsValue("MainLeft"), QString::number(toTwips(30)));
    EXPECT_EQ(f.settingsValue("MainTop"), QString::number(toTwips(45)));
    EXPECT_EQ(f.settingsValue("MainWidth"), QString::number(toTwips(600)));
    EXPECT_EQ(f.settingsValue("MainHeight"), QString::number(toTwips(450)));
}

TEST_F(Closing, TheEditorsCloseBoxEndsTheProgramButAMinimizedEditorStoresNoPlacement) {
    f.editorFrame()->showMinimized();
    f.prompts.answers = {Prompts::Answer::No};
    f.editorFrame()->close();
    EXPECT_FALSE(f.main->isVisible());
    EXPECT_EQ(f.prompts.messages.size(), 1u);  // asked once, not again by the main window
    EXPECT_EQ(portFile(), "\"com3\"\r\n");
    EXPECT_TRUE(f.settingsValue("MainLeft").isEmpty());
}

TEST_F(Closing, YesSavesBeforeClosing) {
    const QString file = f.path("closing.cpg");
    f.prompts.answers = {Prompts::Answer::Yes};
    f.prompts.fileNames = {file};
    EXPECT_TRUE(f.main->close());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(f.state.dataChanged);
}

}  // namespace
}  // namespace vantrel::test

namespace vantrel::test {
namespace {

TEST(HelpMenu, HelpTopicsAndTheToolbarShowTheHelpAboutDisablesTheMainWindow) {
    ShellFixture f;
    f.menu("mnuContents");
    ASSERT_NE(f.shell->helpViewer(), nullptr);
    EXPECT_TRUE(f.shell->helpViewer()->isVisible());
    f.shell->helpViewer()->close();
    f.main->toolbarButton(9)->trigger();
    EXPECT_TRUE(f.shell->helpViewer()->isVisible());

    f.menu("mnuHelpAbout");
    EXPECT_FALSE(f.main->isEnabled());
    QWidget* about = f.main->findChild<QWidget*>("frmAbout");
    ASSERT_NE(about, nullptr);
    about->close();
    EXPECT_TRUE(f.main->isEnabled());
}

// The about box is known by reference: the editor holds its messages back
// while it shows, and closing the program closes it.
TEST_F(Closing, TheAboutBoxIsKnownAndClosedWithTheProgram) {
    f.menu("mnuHelpAbout");
    QWidget* about = f.main->shownCompanion(MDIFormMain::Companion::About);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(f.editor().context().previewOrAboutShown());
    f.main->setEnabled(true);
    f.prompts.answers = {Prompts::Answer::No};
    f.main->close();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(f.editor().context().previewOrAboutShown());
}

}  // namespace
}  // namespace vantrel::test
