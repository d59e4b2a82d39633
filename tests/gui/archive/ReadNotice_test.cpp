// The notice after a Read, through the real editor reading the simulated
// radio on a pty: given once when the radio no longer holds its last
// archived write, opening the Radio Archive window's comparison on Yes, and
// never given when nothing differs, nothing was written or the archive
// cannot tell.
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include "archive/ArchiveStore.h"
#include "codeplug/CodeplugFile.h"
#include "gui/ProgramParts.h"
#include "gui/archive/ReadNotice.h"
#include "gui/archive/frmArchive.h"
#include "gui/link/ProgramCommands.h"
#include "gui/link/RadioLink.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"
#include "link/e2e/E2eRig.h"
#include "support/ScriptedPrompts.h"
#include "support/SeededImage.h"
#include "support/StartUp.h"

namespace vantrel::test {
namespace {

using archive::ArchiveEntry;
using archive::Operation;

const std::string kSerial = "SIM0000001";
// What a write sends when the user did not enter a serial number: the radio
// keeps its own.
const std::string kBlankSerial(10, '\xFF');


QByteArray Cpg(const CodeplugImage::Bytes& bytes) {
    CodeplugImage image;
    image.replaceAll(bytes);
    return QByteArray::fromStdString(FormatCodeplugFile(image));
}

// The program, its radio (holding Image(kSerial, 1)) on Com1, and an archive
// of the test's own.
struct ReadNoticeTest : ::testing::Test {
    QTemporaryDir dir;
    QString archivePath = dir.filePath("archive.sqlite");
    link::e2e::Simulator radio{dir.path(), Cpg(Image(kSerial, 1)), {}};
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main{state, prompts, settings};
    ProgramParts parts{main, settings};

    void SetUp() override {
        ASSERT_TRUE(radio.ready());
        qputenv("XDG_DATA_HOME", dir.filePath("share").toLocal8Bit());
        qputenv("VANTREL_ARCHIVE", archivePath.toLocal8Bit());
        qputenv("VANTREL_COM1", radio.link().toLocal8Bit());
        StartUp(main);
    }
    void TearDown() override {
        qputenv("VANTREL_ARCHIVE", "off");
        qunsetenv("VANTREL_COM1");
    }

    // Files an entry of the radio, a day old, into the test's archive.
    ArchiveEntry store(Operation op, std::optional<CodeplugImage::Bytes> bytes, const QString& serial) {
        QString error;
        auto archive = archive::ArchiveStore::Open(archive::ParseLocation(archivePath), error);
        EXPECT_TRUE(archive) << error.toStdString();
        ArchiveEntry e;
        static int stored = 0;
        e.uuid = QStringLiteral("%1-%2").arg(serial).arg(++stored);
        e.time = QDateTime::currentDateTimeUtc().addDays(-1);
        e.operation = op;
        e.completed = bytes.has_value();
        e.outcome = QStringLiteral("Done");
        e.port = QStringLiteral("Com1");
        e.radio.serial = serial;
        if (bytes) {
            e.image = QByteArray(reinterpret_cast<const char*>(bytes->data()), int(bytes->size()));
            e.sha256 = archive::ImageHash(e.image);
        }
        if (archive) {
            EXPECT_TRUE(archive->add(e)) << archive->error().toStdString();
        }
        return e;
    }

    ReadNotice& notice() { return *main.findChild<ReadNotice*>(); }

    // Reads the radio and waits until the notice is settled.
    void read() {
        const int settled = notice().readsSettled();
        main.runCommand(MDIFormMain::Command::Read);
        frmProgram& dialog = parts.radioLink()->commands().dialog();
        dialog.cmdRead()->click();
        ASSERT_EQ(parts.radioLink()->commands().lastOutcome(), link::TransferOutcome::Success)
            << dialog.lblProgram()->text().toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notice().readsSettled() > settled; }, 10000));
    }
};

TEST_F(ReadNoticeTest, AReadAfterADifferentWriteSaysSoOnceAndYesOpensTheComparison) {
    // The write sent no serial number and a different first channel.
    const ArchiveEntry write = store(Operation::Write, Image(kBlankSerial, 3), QString::fromStdString(kSerial));
    prompts.answers.push_back(Prompts::Answer::Yes);
    read();

    ASSERT_EQ(prompts.messages.size(), 1u) << prompts.texts().join("\n").toStdString();
    const Prompts::Message& m = prompts.messages[0];
    EXPECT_EQ(m.text.toStdString(),
              QStringLiteral("Radio SIM0000001 no longer holds its last write, of %1 UTC: 1 field differs."
                             "\r\n\r\nCompare the radio with that write?")
                  .arg(ArchiveTimeText(write.time))
                  .toStdString());
    EXPECT_EQ(m.title, "Radio Archive");
    EXPECT_EQ(m.buttons, Prompts::Buttons::YesNo);

    const frmArchive* window = main.findChild<frmArchive*>("frmArchive");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_NE(window->lstHistory()->currentItem(), nullptr);
    EXPECT_EQ(window->lstHistory()->currentItem()->text(1), "write");
    ASSERT_EQ(window->lstDifferences()->topLevelItemCount(), 1);
    EXPECT_TRUE(window->lstDifferences()->topLevelItem(0)->text(0).startsWith("Channel 1 "));

    // Not again for the same radio and write.
    read();
    EXPECT_EQ(prompts.messages.size(), 1u) << prompts.texts().join("\n").toStdString();
}

TEST_F(ReadNoticeTest, NoNoticeWhenNothingDiffersNothingWasWrittenOrTheArchiveCannotTell) {
    const QString serial = QString::fromStdString(kSerial);
    QFile garbage(dir.filePath("garbage.sqlite"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    const struct {
        const char* name;
        std::function<void()> prepare;
    } cases[] = {
        {"the write is what the radio holds", [&] { store(Operation::Write, Image(kBlankSerial, 1), serial); }},
        {"only reads and other radios' writes",
         [&] {
             store(Operation::Read, Image(kSerial, 5), serial);
             store(Operation::Write, Image("OTHER00001", 5), QStringLiteral("OTHER00001"));
             store(Operation::Write, std::nullopt, serial);
         }},
        {"the archive is off", [] { qputenv("VANTREL_ARCHIVE", "off"); }},
        {"the archive is no database", [&] { qputenv("VANTREL_ARCHIVE", garbage.fileName().toLocal8Bit()); }},
        {"the shared archive does not answer",
         [] { qputenv("VANTREL_ARCHIVE", "postgresql://postgres@127.0.0.1:1/archive"); }},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        archivePath = dir.filePath(QStringLiteral("archive-%1.sqlite").arg(n++));
        qputenv("VANTREL_ARCHIVE", archivePath.toLocal8Bit());
        c.prepare();
        read();
        EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("\n").toStdString();
    }
}

}  // namespace
}  // namespace vantrel::test
