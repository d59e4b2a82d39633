#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "base/DataFolder.h"
#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugFile.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

QByteArray dataFile(std::initializer_list<int> bytes, const char* firstLine = "Vantrel programmer data file") {
    QByteArray out = QByteArray(firstLine) + "\r\n";
    for (int b : bytes) out += " " + QByteArray::number(b) + " \r\n";
    return out;
}

QByteArray dataFileOf(const CodeplugImage& image) { return QByteArray::fromStdString(FormatCodeplugFile(image)); }

TEST(OpenCommand, LoadsAGoodFileWithNoUnsavedMarkUntilAnEdit) {
    ShellFixture f;
    const QString file = QString::fromStdString(DataFilePath("U1_APAC.cpg"));
    CodeplugImage expected;
    ASSERT_TRUE(CopyToBox(expected, file.toStdString()).ok());

    f.open(file);
    ASSERT_EQ(f.prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(f.prompts.fileDialogs[0].title, "Open");
    EXPECT_EQ(f.prompts.fileDialogs[0].filter, "Programmer data file (*.cpg)");
    for (std::size_t i : {bm::RadioType, bm::ModelIndex, std::size_t{16}, std::size_t{100}, bm::SuperNumber})
        EXPECT_EQ(f.image().byte(i), expected.byte(i)) << i;
    EXPECT_FALSE(f.state.loadFailed);
    EXPECT_FALSE(f.state.loadingImage);
    EXPECT_FALSE(f.state.dataChanged);
    EXPECT_FALSE(f.main->isWindowModified());
    EXPECT_TRUE(f.editor().editorVisible());
    EXPECT_TRUE(f.main->menuAction("mnuFileSave")->isEnabled());
    EXPECT_TRUE(f.main->menuAction("mnuWrite")->isEnabled());  // no password: unlocked
    EXPECT_FALSE(f.editor().radioInfo()->serialBox()->isEnabled());

    // Opened again from the recent files, unchanged: no save question.
    f.menu("mnuFileRecent1");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.main->isWindowModified());

    // An edit marks the data; undoing it is back at the file's state.
    QCheckBox* feature = f.editor().settings()->check("chkPowerSaveEnable");
    QTest::mouseClick(feature, Qt::LeftButton, {}, QPoint(8, feature->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.main->isWindowModified());
    f.menu("mnuEditUndo");
    EXPECT_FALSE(f.state.dataChanged);
    EXPECT_FALSE(f.main->isWindowModified());
    f.menu("mnuEditRedo");
    EXPECT_TRUE(f.state.dataChanged);

    // With unsaved data, Cancel on the save question leaves everything alone.
    const CodeplugImage before = f.image();
    f.prompts.answers = {Prompts::Answer::Cancel};
    f.open(QString::fromStdString(DataFilePath("U1_EMEA.cpg")));
    EXPECT_EQ(f.prompts.messages.back().text, "Save Current Data to File ?");
    EXPECT_EQ(f.prompts.messages.back().title, "Save ?");
    EXPECT_EQ(f.prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(f.image(), before);
    EXPECT_TRUE(f.state.dataChanged);
}

TEST(OpenCommand, RefusesAFileOfAnotherTypeOrADamagedOneAndKeepsTheImage) {
    std::vector<int> full(384, 7);
    QByteArray tooShort = dataFile({1, 2, 3});
    QByteArray outOfRange = dataFile({1, 256});
    for (int i = 0; i < 382; ++i) outOfRange += " 0 \r\n";
    struct Case {
        const char* name;
        QByteArray contents;
        bool wrongType;
    } cases[] = {
        {"case.cpg", dataFile({1}, "vantrel programmer data file"), true},
        {"other.cpg", "Some other file\r\n 1 \r\n", true},
        {"short.cpg", tooShort, false},
        {"range.cpg", outOfRange, false},
    };
    for (const auto& c : cases) {
        ShellFixture f;
        f.state.dataChanged = false;
        const CodeplugImage before = f.image();
        f.open(f.write(c.name, c.contents));
        EXPECT_EQ(f.image(), before) << c.name;
        EXPECT_TRUE(f.state.loadFailed);
        EXPECT_FALSE(f.state.loadingImage);
        EXPECT_FALSE(f.state.dataChanged);
        ASSERT_EQ(f.prompts.messages.size(), 1u) << c.name;
        const auto& m = f.prompts.messages[0];
        EXPECT_EQ(m.title, "Open File");
        EXPECT_EQ(m.icon, Prompts::Icon::Exclamation);
        if (c.wrongType) {
            EXPECT_EQ(m.text, "Error! invalid data type     ");
            EXPECT_EQ(f.prompts.beeps, 1);
        } else {
            EXPECT_TRUE(m.text.contains(c.name)) << m.text.toStdString();
        }
    }
}

TEST(OpenCommand, ARefusedFileLeavesThePasswordOfTheCodeplugInTheEditor) {
    ShellFixture f;
    f.openDefaultFile();
    QLineEdit* password = f.editor().radioInfo()->passwordBox();
    password->setText("Abc12");
    f.prompts.answers = {Prompts::Answer::No};   // not saved before opening
    f.open(f.write("other.cpg", "Some other file\r\n 1 \r\n"));
    ASSERT_TRUE(f.state.loadFailed);
    EXPECT_EQ(password->text(), "Abc12");

    // So the next save keeps the codeplug protected.
    f.prompts.fileNames = {f.path("kept.cpg")};
    f.menu("mnuFileSave");
    ASSERT_FALSE(f.state.saveCancelled);
    EXPECT_EQ(f.image().text(bm::Password, bm::PasswordSize), "Abc12");
    EXPECT_EQ(f.image().byte(bm::PasswordLength), 5);
}

TEST(SaveCommand, RefusedNamesBringTheDialogBackUntilAValidName) {
    ShellFixture f;
    f.openDefaultFile();
    const QString longName = f.path(QString(128, 'x') + ".cpg");
    const QString capitals = f.path("radio.CPG");
    const QString good = f.path("radio.cpg");
    f.prompts.fileNames = {longName, capitals, good};
    f.menu("mnuFileSave");

    ASSERT_EQ(f.prompts.messages.size(), 2u);
    EXPECT_EQ(f.prompts.messages[0].text,
              "The path you entered,\r\n'" + longName + "' is too long, Enter a shorter path.");
    EXPECT_EQ(f.prompts.messages[0].icon, Prompts::Icon::Information);
    EXPECT_EQ(f.prompts.messages[1].text,
              "   The file name, location, or format is not valid. Type the file name and location in the "
              "correct format.");
    EXPECT_EQ(f.prompts.messages[1].title, "Vantrel CPS");
    ASSERT_EQ(f.prompts.fileDialogs.size(), 3u);
    for (const auto& d : f.prompts.fileDialogs) {
        EXPECT_EQ(d.title, "Save");
        EXPECT_EQ(d.defaultSuffix, "cpg");  // "radio" typed gives radio.cpg
    }
    // The first pass offers the open file's name; a refused name clears it.
    EXPECT_TRUE(f.prompts.fileDialogs[0].fileName.endsWith("/U1_APAC.cpg"));
    EXPECT_TRUE(f.prompts.fileDialogs[1].fileName.isEmpty());
    EXPECT_TRUE(f.prompts.fileDialogs[2].fileName.isEmpty());
    EXPECT_EQ(ShellFixture::read(good), dataFileOf(f.image()));
    EXPECT_FALSE(QFile::exists(capitals));
    EXPECT_FALSE(f.state.saveCancelled);
    EXPECT_FALSE(f.state.dataChanged);
    EXPECT_EQ(f.image().byte(bm::Fixed60), 60);
    EXPECT_EQ(f.image().byte(bm::Fixed20), 20);

    // Cancelling the dialog cancels the save.
    f.state.dataChanged = true;
    f.menu("mnuFileSave");
    EXPECT_TRUE(f.state.saveCancelled);
    EXPECT_TRUE(f.state.dataChanged);
}

TEST(SaveCommand, ChecksTheUserTonesAndThePriorityChannelFirst) {
    {
        ShellFixture f;
        f.openDefaultFile();
        QLineEdit* rx2 = f.editor().userTpl()->box(false, 1);
        rx2->setText("66.9");
        f.prompts.fileNames = {f.path("never.cpg")};
        f.menu("mnuFileSave");
        ASSERT_EQ(f.prompts.texts(), QStringList{"Invalid Frequency"});
        EXPECT_TRUE(rx2->text().isEmpty());
        EXPECT_TRUE(f.state.saveCancelled);
        EXPECT_TRUE(f.prompts.fileDialogs.empty());
    }
    {
        ShellFixture f;
        f.openDefaultFile();
        // Priority scan ticked with channel 3 while 2 and 3 are outside the
        // scan list.
        EditingCopies& e = f.editor().model().copies();
        e.features[static_cast<std::size_t>(Feature::PriorityScan)] = true;
        e.channelList = {2, 3};
        e.priorityText = "3";
        f.editor().repaint();
        f.editor().tabs()->setCurrentIndex(1);
        f.prompts.fileNames = {f.path("never.cpg")};
        f.menu("mnuFileSave");
        EXPECT_EQ(f.prompts.texts().last(),
                  "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ");
        EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
        EXPECT_TRUE(f.state.saveCancelled);
        EXPECT_TRUE(f.prompts.fileDialogs.empty());
    }
}

TEST(SaveCommand, TypedSerialNumberEntersABlankImageAndTheFile) {
    ShellFixture f;
    for (std::size_t i = 0; i < bm::SerialNumberSize; ++i) f.image().setByte(bm::SerialNumber + i, 0xFF);
    f.editor().radioInfo()->serialBox()->setText("AB12");
    const QString file = f.path("serial.cpg");
    ASSERT_TRUE(f.shell->files().CopyToFile(file).isEmpty());
    const std::uint8_t expected[10] = {65, 66, 49, 50, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(f.image().byte(bm::SerialNumber + i), expected[i]) << i;
    EXPECT_EQ(ShellFixture::read(file), dataFileOf(f.image()));

    // A serial number in the image wins over the box.
    f.editor().radioInfo()->serialBox()->setText("ZZ");
    ASSERT_TRUE(f.shell->files().CopyToFile(file).isEmpty());
    EXPECT_EQ(f.image().byte(bm::SerialNumber), 65);
}

// Tests run as root, for whom no folder is read-only: the failing saves use a
// folder that does not exist, a "folder" that is a file, and a file-size
// limit, which binds root too.
TEST(SaveCommand, AFailedSaveSaysWhyAndKeepsTheOldFileAndTheChangedMark) {
    ShellFixture f;
    f.openDefaultFile();
    f.write("plain", "x");
    for (const QString& target : {f.path("missing/radio.cpg"), f.path("plain/radio.cpg")}) {
        f.prompts.clear();
        f.state.dataChanged = true;
        f.prompts.fileNames = {target};
        f.menu("mnuFileSave");
        ASSERT_EQ(f.prompts.messages.size(), 1u);
        EXPECT_TRUE(f.prompts.messages[0].text.contains(target)) << f.prompts.messages[0].text.toStdString();
        EXPECT_TRUE(f.state.saveCancelled);
        EXPECT_TRUE(f.state.dataChanged);
    }

    const QByteArray old = dataFile({9, 9, 9});
    const QString existing = f.write("existing.cpg", old);
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 200;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    f.prompts.fileNames = {existing};
    f.menu("mnuFileSave");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(f.state.saveCancelled);
    EXPECT_EQ(ShellFixture::read(existing), old);
    EXPECT_EQ(QDir(f.dir.path()).entryList({"existing.cpg*"}, QDir::Files | QDir::Hidden),
              QStringList{"existing.cpg"});
}

}  // namespace
}  // namespace vantrel::test
