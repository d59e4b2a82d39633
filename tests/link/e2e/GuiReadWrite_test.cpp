// The program's Read and Write buttons against vantrelctl simulate, paced at
// 1200 baud, with Com1 pointed at the simulator's pty.
#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <sys/stat.h>

#include "E2eRig.h"
#include "archive/ArchiveStore.h"
#include "codeplug/CodeplugFile.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/frmMain.h"
#include "gui/link/ProgramCommands.h"
#include "gui/link/RadioLink.h"
#include "gui/link/frmPasswordW.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"
#include "link/serial/SerialDevice.h"
#include "support/ScriptedPrompts.h"
#include "support/StartUp.h"

namespace vantrel::link::e2e {
namespace {

const QString kDefaultFile = QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_NAG.cpg");

CodeplugImage LoadImage(const QString& path) {
    CodeplugImage image;
    EXPECT_TRUE(CopyToBox(image, path.toStdString()).ok()) << path.toStdString();
    return image;
}

// The program with its radio link on Com1 = the simulator.
struct Gui {
    explicit Gui(const Simulator& radio, const QString& commandLine = {}) {
        qputenv("VANTREL_COM1", radio.link().toLocal8Bit());
        test::StartUp(main, commandLine);
    }
    ~Gui() { qunsetenv("VANTREL_COM1"); }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    AppState state;
    test::ScriptedPrompts prompts;
    MDIFormMain main{state, prompts, settings};
    RadioLink radioLink{main, settings};

    ProgramCommands& commands() { return radioLink.commands(); }
    frmProgram& dialog() { return commands().dialog(); }

    // Write, typing `answers` into the write prompt as it asks, each after
    // `typingMs`.
    TransferOutcome write(QStringList answers = {}, int typingMs = 50) {
        main.runCommand(MDIFormMain::Command::Write);
        EXPECT_TRUE(dialog().isVisible());
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [&] {
            frmPasswordW& prompt = commands().writePrompt();
            if (!prompt.isVisible() || answers.isEmpty()) return;
            prompt.txtPassword()->setText(answers.takeFirst());
            prompt.cmdPassOk()->click();
        });
        typist.start(typingMs);
        dialog().cmdWrite()->click();
        return commands().lastOutcome();
    }
};

TEST(GuiReadWrite, ReadThenWriteRoundTrips) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("written.cpg");
    Simulator radio(dir.path(), Contents(kDefaultFile), {"--pace", "--save", saved});
    ASSERT_TRUE(radio.ready());
    Gui gui(radio);
    ASSERT_TRUE(gui.radioLink.device().isOpen());

    gui.main.runCommand(MDIFormMain::Command::Read);
    ASSERT_TRUE(gui.dialog().isVisible());
    // The user takes a few seconds to put the radio into programming mode;
    // the link tick keeps running meanwhile.
    QEventLoop idle;
    QTimer::singleShot(2500, &idle, &QEventLoop::quit);
    idle.exec();
    gui.dialog().cmdRead()->click();
    ASSERT_EQ(gui.commands().lastOutcome(), TransferOutcome::Success)
        << gui.dialog().lblProgram()->text().toStdString();
    CodeplugImage expected = LoadImage(kDefaultFile);
    expected.setByte(bytemap::SerialWriteEnable, 0);  // cleared after every read
    EXPECT_EQ(gui.state.image.bytes(), expected.bytes());
    EXPECT_TRUE(gui.prompts.messages.empty());

    gui.main.editor()->radioInfo()->passwordBox()->setText("Pw42");
    ASSERT_EQ(gui.write(), TransferOutcome::Success) << gui.dialog().lblProgram()->text().toStdString();
    QThread::msleep(300);  // the simulator stores the image after the last acknowledgement
    const CodeplugImage written = LoadImage(saved);
    EXPECT_EQ(written.bytes(), gui.state.image.bytes());
    EXPECT_EQ(written.byte(bytemap::Fixed60), 60);
    EXPECT_EQ(written.byte(bytemap::Fixed20), 20);
    EXPECT_EQ(written.text(bytemap::Password, bytemap::PasswordSize), "Pw42");
    EXPECT_EQ(written.byte(bytemap::PasswordLength), 4);
}

// The program's Read and Write each leave an entry in the archive, filed
// under the port of the Comm Port menu.
TEST(GuiReadWrite, ReadAndWriteAreArchived) {
    QTemporaryDir dir;
    const QString archivePath = dir.filePath("archive.sqlite");
    Simulator radio(dir.path(), Contents(kDefaultFile), {});
    ASSERT_TRUE(radio.ready());
    qputenv("VANTREL_ARCHIVE", archivePath.toLocal8Bit());
    {
        Gui gui(radio);
        gui.main.runCommand(MDIFormMain::Command::Read);
        gui.dialog().cmdRead()->click();
        ASSERT_EQ(gui.commands().lastOutcome(), TransferOutcome::Success);
        ASSERT_EQ(gui.write(), TransferOutcome::Success) << gui.dialog().lblProgram()->text().toStdString();
    }  // closing the program waits for its archive
    qputenv("VANTREL_ARCHIVE", "off");

    QString error;
    const auto store = archive::ArchiveStore::Open(archive::ParseLocation(archivePath), error);
    ASSERT_TRUE(store) << error.toStdString();
    const auto entries = store->list(QString(), QDateTime());
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].operation, archive::Operation::Write);
    EXPECT_EQ((*entries)[1].operation, archive::Operation::Read);
    for (const archive::ArchiveEntry& e : *entries) {
        EXPECT_TRUE(e.completed);
        EXPECT_EQ(e.port, "Com1");
        EXPECT_EQ(e.device, radio.link());
    }
    const auto read = store->entry((*entries)[1].id);
    ASSERT_TRUE(read);
    CodeplugImage expected = LoadImage(kDefaultFile);
    EXPECT_EQ(read->image, QByteArray(reinterpret_cast<const char*>(expected.bytes().data()), 384));
}

TEST(GuiReadWrite, RadioPasswordMustBeKnown) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("written.cpg");
    Simulator radio(dir.path(), Contents(kDefaultFile), {"--pace", "--save", saved, "--radio-password", "Ra4io"});
    ASSERT_TRUE(radio.ready());
    Gui gui(radio, kDefaultFile);

    EXPECT_EQ(gui.write({"ra4io", "Ra4i", "Ra4io "}), TransferOutcome::PasswordAbandoned)
        << gui.dialog().lblProgram()->text().toStdString() << radio.log().toStdString();
    ASSERT_EQ(gui.prompts.messages.size(), 1u);
    EXPECT_EQ(gui.prompts.messages[0].title, "Password");
    EXPECT_TRUE(gui.dialog().cmdWrite()->isEnabled());
    EXPECT_FALSE(QFile::exists(saved));

    // The radio waits for its next exchange; a second Write goes through,
    // however long the user takes to type.
    EXPECT_EQ(gui.write({"Ra4io"}, 2500), TransferOutcome::Success) << gui.dialog().lblProgram()->text().toStdString();
    QThread::msleep(300);
    // The radio keeps the serial write enable it was sent; the image clears it.
    CodeplugImage expected = gui.state.image;
    expected.setByte(bytemap::SerialWriteEnable, 1);
    EXPECT_EQ(LoadImage(saved).bytes(), expected.bytes());
}

TEST(GuiReadWrite, EchoingCableWorksAndLeavesATraceWhenAsked) {
    // A single-wire cable behind a USB adapter that holds the echo back, a
    // radio that answers at once, and VANTREL_TRACE naming a trace file.
    QTemporaryDir dir;
    const QString trace = dir.filePath("trace.txt");
    Simulator radio(dir.path(), Contents(kDefaultFile),
                    {"--echo-delay", "20", "--reaction", "0", "--save", dir.filePath("written.cpg")});
    ASSERT_TRUE(radio.ready());
    qputenv("VANTREL_TRACE", trace.toLocal8Bit());
    Gui gui(radio);
    qunsetenv("VANTREL_TRACE");

    gui.main.runCommand(MDIFormMain::Command::Read);
    gui.dialog().cmdRead()->click();
    ASSERT_EQ(gui.commands().lastOutcome(), TransferOutcome::Success)
        << gui.dialog().lblProgram()->text().toStdString();
    CodeplugImage expected = LoadImage(kDefaultFile);
    expected.setByte(bytemap::SerialWriteEnable, 0);
    EXPECT_EQ(gui.state.image.bytes(), expected.bytes());
    ASSERT_EQ(gui.write(), TransferOutcome::Success) << gui.dialog().lblProgram()->text().toStdString();

    const QByteArray text = Contents(trace);
    for (const char* wanted : {"Com1 = ", "read begins", "the cable echoes", "read ends: success",
                               "write begins", "write ends: success"})
        EXPECT_TRUE(text.contains(wanted)) << wanted;
}

// A pipe that nothing reads as VANTREL_TRACE is refused at once: the
// program starts and reads without a trace instead of waiting for a reader.
TEST(GuiReadWrite, TraceIntoAPipeNobodyReadsDoesNotHoldUpTheStart) {
    QTemporaryDir dir;
    const QByteArray pipe = QFile::encodeName(dir.filePath("trace.pipe"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    Simulator radio(dir.path(), PatternCpg(), {});
    ASSERT_TRUE(radio.ready());
    qputenv("VANTREL_TRACE", pipe);
    Gui gui(radio);
    qunsetenv("VANTREL_TRACE");
    gui.main.runCommand(MDIFormMain::Command::Read);
    gui.dialog().cmdRead()->click();
    EXPECT_EQ(gui.commands().lastOutcome(), TransferOutcome::Success);
    EXPECT_TRUE(QFileInfo(QFile::decodeName(pipe)).exists());
}

TEST(GuiReadWrite, PulledCableEndsTheReadAtOnceAndKeepsTheImage) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), PatternCpg(), {"--pace"});
    ASSERT_TRUE(radio.ready());
    Gui gui(radio, kDefaultFile);
    const CodeplugImage before = gui.state.image;

    gui.main.runCommand(MDIFormMain::Command::Read);
    std::chrono::steady_clock::time_point pulled;
    QTimer::singleShot(1500, [&] {
        pulled = std::chrono::steady_clock::now();
        radio.kill();
    });
    gui.dialog().cmdRead()->click();
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - pulled).count();
    EXPECT_EQ(gui.commands().lastOutcome(), TransferOutcome::TransferFailed);
    EXPECT_EQ(gui.dialog().lblProgram()->text(), QStringLiteral("Communication Error."));
    // Only the read's common tail touches the image: the serial write enable.
    CodeplugImage expected = before;
    expected.setByte(bytemap::SerialWriteEnable, 0);
    EXPECT_EQ(gui.state.image.bytes(), expected.bytes());
    // One tick, with room for a loaded machine; the time-out would be 1.8 s.
    EXPECT_LT(took, 1.0);
}

// Reading a radio over unsaved edits loses nothing: undo brings the edits
// back, and nothing of the half-read image became a step while the read ran.
TEST(GuiReadWrite, UndoAfterAReadBringsTheEditsBack) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), Contents(kDefaultFile), {"--pace"});
    ASSERT_TRUE(radio.ready());
    Gui gui(radio, QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/V1_APAC.cpg"));
    QCoreApplication::processEvents();  // the start-up's load becomes the first step
    const CodeplugImage opened = gui.state.image;
    gui.main.editor()->grid()->StepSwitch(1, kColBclo);
    QCoreApplication::processEvents();
    const CodeplugImage edited = gui.state.image;
    ASSERT_NE(edited, opened);

    gui.main.runCommand(MDIFormMain::Command::Read);
    gui.dialog().cmdRead()->click();
    ASSERT_EQ(gui.commands().lastOutcome(), TransferOutcome::Success);
    QCoreApplication::processEvents();

    QAction* undo = gui.main.menuAction("mnuEditUndo");
    undo->trigger();
    EXPECT_EQ(gui.state.image.bytes(), edited.bytes());
    EXPECT_TRUE(gui.state.dataChanged);
    undo->trigger();
    EXPECT_EQ(gui.state.image.bytes(), opened.bytes());
    EXPECT_FALSE(gui.state.dataChanged);  // as loaded from the command line
    EXPECT_FALSE(undo->isEnabled());
}

}  // namespace
}  // namespace vantrel::link::e2e
