// File > Radio Archive... on a temporary SQLite archive: the radios and their
// history, the serial filter, and an entry opened in the editor, compared
// with it and saved as a data file.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "archive/ArchiveStore.h"
#include "codeplug/CodeplugFile.h"
#include "gui/ProgramParts.h"
#include "gui/archive/frmArchive.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/MDIFormMain.h"
#include "support/ScriptedPrompts.h"
#include "support/SeededImage.h"
#include "support/StartUp.h"

namespace vantrel::test {
namespace {

using archive::ArchiveEntry;
using archive::Operation;


struct ArchiveWindow : ::testing::Test {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main{state, prompts, settings};
    ProgramParts parts{main, settings};

    void SetUp() override {
        qputenv("XDG_DATA_HOME", dir.filePath("share").toLocal8Bit());
        qputenv("VANTREL_ARCHIVE", dir.filePath("archive.sqlite").toLocal8Bit());
    }
    void TearDown() override { qunsetenv("VANTREL_ARCHIVE"); }

    void store(const QString& serial, Operation op, const QString& time, std::optional<CodeplugImage::Bytes> bytes) {
        QString error;
        auto archive = archive::ArchiveStore::Open(archive::ParseLocation(dir.filePath("archive.sqlite")), error);
        ASSERT_TRUE(archive) << error.toStdString();
        ArchiveEntry e;
        e.uuid = QStringLiteral("%1-%2").arg(serial, time);
        e.time = QDateTime::fromString(time, Qt::ISODate);
        e.time.setTimeSpec(Qt::UTC);
        e.operation = op;
        e.completed = bytes.has_value();
        e.outcome = bytes ? QStringLiteral("Done") : QStringLiteral("Communication Error");
        e.port = QStringLiteral("Com1");
        e.radio.serial = serial;
        e.radio.modelNumber = QStringLiteral("U2");
        if (bytes) {
            e.image = QByteArray(reinterpret_cast<const char*>(bytes->data()), int(bytes->size()));
            e.sha256 = archive::ImageHash(e.image);
        }
        ASSERT_TRUE(archive->add(e)) << archive->error().toStdString();
    }

    frmArchive& open() {
        StartUp(main);
        main.menuAction("mnuFileArchive")->trigger();
        frmArchive* window = main.findChild<frmArchive*>("frmArchive");
        EXPECT_NE(window, nullptr);
        return *window;
    }

    static QStringList column(QTreeWidget* list, int c, bool visibleOnly = false) {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (!visibleOnly || !list->topLevelItem(i)->isHidden()) out << list->topLevelItem(i)->text(c);
        return out;
    }

    // Selects the radio, then its entry at `row` of the history (newest first).
    static void select(frmArchive& w, const QString& serial, int row) {
        const auto radios = w.lstRadios()->findItems(serial, Qt::MatchExactly, 0);
        ASSERT_EQ(radios.size(), 1);
        w.lstRadios()->setCurrentItem(radios.first());
        ASSERT_LT(row, w.lstHistory()->topLevelItemCount());
        w.lstHistory()->setCurrentItem(w.lstHistory()->topLevelItem(row));
    }
};

TEST_F(ArchiveWindow, ListsRadiosFiltersBySerialAndShowsTheHistoryNewestFirst) {
    store("A100000001", Operation::Read, "2026-12-01T09:00:00", Image("A100000001", 1));
    store("A100000001", Operation::Write, "2026-12-02T10:30:00", std::nullopt);
    store("B200000002", Operation::Read, "2026-12-03T08:00:00", Image("B200000002", 2));
    frmArchive& w = open();
    EXPECT_EQ(main.menuAction("mnuFileArchive")->text(), "Radio &Archive...");

    QStringList serials = column(w.lstRadios(), 0);
    serials.sort();
    EXPECT_EQ(serials, QStringList({"A100000001", "B200000002"}));
    const auto a = w.lstRadios()->findItems("A100000001", Qt::MatchExactly, 0);
    ASSERT_EQ(a.size(), 1);
    EXPECT_EQ(a.first()->text(3), "2");
    EXPECT_TRUE(a.first()->text(2).startsWith("2026-12-02 10:30:00"));

    w.txtFilter()->setText("a1");
    EXPECT_EQ(column(w.lstRadios(), 0, true), QStringList({"A100000001"}));
    w.txtFilter()->setText("none");
    EXPECT_TRUE(column(w.lstRadios(), 0, true).isEmpty());
    w.txtFilter()->clear();

    select(w, "A100000001", 0);
    EXPECT_EQ(column(w.lstHistory(), 0), QStringList({"2026-12-02 10:30:00", "2026-12-01 09:00:00"}));
    EXPECT_EQ(column(w.lstHistory(), 1),
              QStringList({archive::OperationName(Operation::Write), archive::OperationName(Operation::Read)}));
    EXPECT_EQ(column(w.lstHistory(), 2), QStringList({"Communication Error", "Done"}));
    EXPECT_EQ(column(w.lstHistory(), 3), QStringList({"Com1", "Com1"}));

    // A transfer that did not complete has no image to open.
    w.cmdOpen()->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains("did not complete"));
    EXPECT_FALSE(main.editor()->editorVisible());
}

TEST_F(ArchiveWindow, OpenLoadsTheExactImageAndCompareListsTheFieldsThatDiffer) {
    const CodeplugImage::Bytes first = Image("A100000001", 1);
    store("A100000001", Operation::Read, "2026-12-01T09:00:00", first);
    store("A100000001", Operation::Write, "2026-12-02T10:30:00", Image("A100000001", 3));
    frmArchive& w = open();

    select(w, "A100000001", 1);
    w.cmdOpen()->click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("\n").toStdString();
    EXPECT_TRUE(main.editor()->model().state().image.bytes() == first);
    EXPECT_TRUE(main.editor()->editorVisible());
    EXPECT_TRUE(main.editor()->statusText().contains("A100000001")) << main.editor()->statusText().toStdString();
    EXPECT_TRUE(main.editor()->statusText().contains("2026-12-01 09:00:00"));

    w.cmdCompare()->click();
    EXPECT_EQ(column(w.lstDifferences(), 0), QStringList({"No field differs."}));

    select(w, "A100000001", 0);
    w.cmdCompare()->click();
    const QStringList fields = column(w.lstDifferences(), 0);
    ASSERT_EQ(fields.size(), 1) << fields.join(",").toStdString();
    EXPECT_TRUE(fields[0].startsWith("Channel 1 ")) << fields[0].toStdString();
    EXPECT_NE(w.lstDifferences()->topLevelItem(0)->text(1), w.lstDifferences()->topLevelItem(0)->text(2));
}

TEST_F(ArchiveWindow, SaveAsWritesTheEntryImageAsADataFile) {
    const CodeplugImage::Bytes bytes = Image("A100000001", 2);
    store("A100000001", Operation::Write, "2026-12-02T10:30:00", bytes);
    frmArchive& w = open();
    select(w, "A100000001", 0);
    const QString path = dir.filePath("saved.cpg");
    prompts.fileNames.push_back(path);
    w.cmdSaveAs()->click();

    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].fileName, "A100000001-20261202-103000.cpg");
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("\n").toStdString();
    CodeplugImage saved;
    ASSERT_TRUE(CopyToBox(saved, path.toStdString()).ok());
    EXPECT_TRUE(saved.bytes() == bytes);
}

TEST_F(ArchiveWindow, SaysWhenTheArchiveCannotBeUsed) {
    const struct {
        const char* choice;
        const char* says;
    } cases[] = {{"off", "turned off"}, {"postgresql://", "cannot be opened"}};
    for (const auto& c : cases) {
        qputenv("VANTREL_ARCHIVE", c.choice);
        frmArchive w(prompts, settings, {});
        EXPECT_TRUE(w.lblArchive()->text().contains(c.says)) << c.choice << ": " << w.lblArchive()->text().toStdString();
        EXPECT_EQ(w.lstRadios()->topLevelItemCount(), 0);
        EXPECT_FALSE(w.cmdOpen()->isEnabled());
    }
}

}  // namespace
}  // namespace vantrel::test
