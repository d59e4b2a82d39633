#include <QAction>
#include <QFile>
#include <QtCore/qtestsupport_core.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "gui/ProgramParts.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/link/RadioLink.h"
#include "gui/shell/AfterFirstPaint.h"
#include "gui/shell/frmSpla.h"
#include "link/serial/SerialDevice.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

const char* const kImageCommands[] = {"mnuFileSave", "mnuFilePrintPreview", "mnuFilePrint", "mnuDefault",
                                      "mnuWrite"};

TEST(StartUp, SplashOkStartsTheApplication) {
    EditorFixture f;
    frmSpla splash;
    EXPECT_EQ(splash.windowTitle(), "Vantrel CPS");
    splash.onOk = [&] { f.startUp(); };
    splash.show();
    auto* ok = splash.findChild<QPushButton*>("cmdPassOk");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_TRUE(f.editor().loaded());
}

TEST(StartUp, EmptyCommandLineLeavesTheEditorLoadState) {
    EditorFixture f;
    f.startUp();
    const auto& img = f.image();
    EXPECT_EQ(img.byte(bm::ChannelCount), 0);
    EXPECT_EQ(img.byte(bm::EditorMarker), 0xA5);
    EXPECT_EQ(img.byte(bm::RadioType), 15);
    EXPECT_EQ(img.byte(bm::PrioScanChNo), 1);
    EXPECT_EQ(img.byte(240), 3);
    EXPECT_EQ(img.byte(241), 8);
    EXPECT_EQ(img.byte(242), 1);
    EXPECT_EQ(img.byte(243), 8);
    CodeplugImage cleared;
    ClearChannels(cleared);
    for (std::size_t i = bm::channelRecord(1); i < bm::channelRecord(17); ++i)
        EXPECT_EQ(img.byte(i), cleared.byte(i)) << i;
    EXPECT_FALSE(f.editor().editorVisible());
    for (const char* name : kImageCommands) EXPECT_FALSE(f.main->menuAction(name)->isEnabled()) << name;
    for (int p : {2, 4, 6, 7}) EXPECT_FALSE(f.main->toolbarButton(p)->isEnabled()) << p;
    EXPECT_TRUE(f.main->menuAction("mnuFileOpen")->isEnabled());
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST(StartUp, CommandLineFileLoadsAndPopulates) {
    EditorFixture f;
    const CodeplugImage img = sampleImage();
    f.writeFile("radio.cpg", img);
    // The shell hands over a quoted path; its extension is replaced by ".cpg".
    f.startUp("\"" + f.dir.filePath("radio.txt") + "\"");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_TRUE(f.editor().editorVisible());
    EXPECT_EQ(f.editor().radioInfo()->modelLabel()->text(), "PYW37ENV5RT3");
    EXPECT_EQ(f.editor().radioInfo()->rangeLabel()->text(), "136.00000 ~ 150.00000 MHz");
    EXPECT_EQ(f.image().byte(bm::ChannelCount), 16);
    EXPECT_FALSE(f.state.dataChanged);
    EXPECT_FALSE(f.state.loadingImage);
    EXPECT_FALSE(f.editor().radioInfo()->serialBox()->isEnabled());
    EXPECT_TRUE(f.editor().radioInfo()->passwordBox()->isEnabled());
    for (const char* name : kImageCommands) EXPECT_TRUE(f.main->menuAction(name)->isEnabled()) << name;
    for (int p : {2, 4, 6, 7}) EXPECT_TRUE(f.main->toolbarButton(p)->isEnabled()) << p;
}

// A data file whose extension is in capitals (copied from another system) is
// opened as it is named.
TEST(StartUp, CommandLineFileInCapitalsLoadsAsNamed) {
    EditorFixture f;
    f.writeFile("RADIO.CPG", sampleImage());
    f.startUp("\"" + f.dir.filePath("RADIO.CPG") + "\"");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_EQ(f.editor().radioInfo()->modelLabel()->text(), "PYW37ENV5RT3");
}

TEST(StartUp, ProtectedCommandLineFileLocksTheEditor) {
    EditorFixture f;
    CodeplugImage img = sampleImage();
    img.setText(bm::Password, bm::PasswordSize, "AB12C");
    img.setByte(bm::PasswordLength, 5);
    img.setByte(bm::PasswordLengthCopy, 0);
    f.startUp(f.writeFile("locked.cpg", img));
    EXPECT_EQ(f.image().byte(bm::PasswordLengthCopy), 5);
    EXPECT_FALSE(f.editor().radioInfo()->passwordBox()->isEnabled());
    EXPECT_FALSE(f.main->menuAction("mnuWrite")->isEnabled());
    EXPECT_FALSE(f.main->toolbarButton(4)->isEnabled());
    EXPECT_FALSE(f.main->isEnabled());
    for (const char* name : {"txtScanSpeedTime", "cmbButton_S1", "chkTotEnable", "txtTPL_RxFrequency", "LstScan"})
        EXPECT_FALSE(f.find<QWidget>(name)->isEnabled()) << name;
}

TEST(StartUp, ZeroPasswordBytesAreUnprotectedWhateverTheLengths) {
    EditorFixture f;
    CodeplugImage img = sampleImage();
    img.setByte(bm::PasswordLength, 4);
    img.setByte(bm::PasswordLengthCopy, 6);
    f.startUp(f.writeFile("open.cpg", img));
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_TRUE(f.main->menuAction("mnuWrite")->isEnabled());
    EXPECT_EQ(f.image().byte(bm::PasswordLengthCopy), 6);
}

TEST(StartUp, WrongFileTypeLeavesTheImage) {
    EditorFixture f;
    const QString path = f.dir.filePath("bad.cpg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Some other file\r\n 1 \r\n");
    file.close();
    f.startUp(path);
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].text, "Error! invalid data type     ");
    EXPECT_EQ(f.prompts.messages[0].title, "Open File");
    EXPECT_EQ(f.prompts.beeps, 1);
    EXPECT_TRUE(f.state.loadFailed);
    EXPECT_EQ(f.image().byte(bm::RadioType), 15);
    EXPECT_FALSE(f.editor().editorVisible());
}

// The program as main() puts it together: the window is painted before the
// editor and the parts on it are built; then the port is opened and the
// command-line file loaded, and their messages come in that order.
TEST(StartUp, WindowShowsFirstThenPortAndFileTellInTheirOrder) {
    EditorFixture f;
    qputenv("VANTREL_COM1", f.dir.filePath("no-such-device").toLocal8Bit());
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", f.dir.filePath("share").toLocal8Bit());
    const QString file = f.dir.filePath("bad.cpg");
    QFile bad(file);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Some other file\r\n");
    bad.close();
    ProgramParts parts(*f.main, f.settings);

    f.main->startUp(file);
    bool editorAtFirstPaint = true;
    AfterFirstPaint(*f.main, [&] { editorAtFirstPaint = f.main->findChild<frmMain*>() != nullptr; });
    const bool ended = QTest::qWaitFor([&] { return f.main->startedUp(); }, 10000);
    qunsetenv("VANTREL_COM1");
    dataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);

    ASSERT_TRUE(ended);
    EXPECT_FALSE(editorAtFirstPaint);
    ASSERT_NE(parts.radioLink(), nullptr);
    EXPECT_EQ(parts.radioLink()->device().portName(), f.dir.filePath("no-such-device"));
    ASSERT_EQ(f.prompts.messages.size(), 2u);
    EXPECT_TRUE(f.prompts.messages[0].text.startsWith("Comm. Port Unavailable !"));
    EXPECT_EQ(f.prompts.messages[1].text, "Error! invalid data type     ");
}

// A window that is not painted (minimised, on another workspace) does not
// hold the start-up back for long.
TEST(StartUp, WorkAfterThePaintRunsWhenNoPaintComes) {
    QWidget neverShown;
    bool ran = false;
    AfterFirstPaint(neverShown, [&] { ran = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, 5000));
}

}  // namespace
}  // namespace vantrel::test
