// Where am I: the title names the open file and marks unsaved changes, File
// lists the recent files, and the dialogs start in the folder last used.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "base/DataFolder.h"
#include "codeplug/ByteMap.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/shell/CurrentFile.h"
#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

QString dataFile(const char* name) {
    return QFileInfo(QString::fromStdString(DataFilePath(name))).absoluteFilePath();
}

TEST(CurrentFile, TitleNamesTheFileAndMarksUnsavedChanges) {
    ShellFixture f;
    EXPECT_EQ(f.main->windowTitle(), "Vantrel CPS[*]");
    EXPECT_FALSE(f.main->isWindowModified());

    f.open(dataFile("U1_APAC.cpg"));
    EXPECT_EQ(f.main->windowTitle(), "U1_APAC.cpg[*] - Vantrel CPS");
    EXPECT_FALSE(f.main->isWindowModified());  // the editor holds what the file holds
    f.editor().grid()->StepSwitch(1, kColBclo);
    EXPECT_TRUE(f.main->isWindowModified());

    f.prompts.fileNames = {f.path("mine.cpg")};
    f.menu("mnuFileSave");
    ASSERT_FALSE(f.state.saveCancelled);
    EXPECT_EQ(f.main->windowTitle(), "mine.cpg[*] - Vantrel CPS");
    EXPECT_FALSE(f.main->isWindowModified());

    f.editor().grid()->StepSwitch(1, kColBclo);
    EXPECT_TRUE(f.main->isWindowModified());

    // Data read from the radio are not the file's.
    f.load(f.image(), frmMain::LoadKind::Read);
    EXPECT_EQ(f.main->windowTitle(), "Vantrel CPS[*]");
}

TEST(CurrentFile, FileListsTheFourMostRecentFilesAndOpensThem) {
    ShellFixture f;
    const QAction* bar = f.main->menuAction("mnuFileRecentBar");
    EXPECT_FALSE(bar->isVisible());
    const char* names[] = {"U1_APAC.cpg", "U1_EMEA.cpg", "U2_NAG.cpg", "V1_APAC.cpg", "V2_NAG.cpg", "U2_NAG.cpg"};
    for (const char* name : names) {
        f.prompts.answers = {Prompts::Answer::No};  // do not save the one before
        f.open(dataFile(name));
    }
    const QStringList expected = {dataFile("U2_NAG.cpg"), dataFile("V2_NAG.cpg"), dataFile("V1_APAC.cpg"),
                                  dataFile("U1_EMEA.cpg")};
    EXPECT_EQ(f.shell->currentFile().recentFiles(), expected);
    EXPECT_TRUE(bar->isVisible());
    for (int i = 0; i < CurrentFile::kRecentCount; ++i) {
        const QAction* item = f.main->menuAction(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        EXPECT_TRUE(item->isVisible());
        EXPECT_EQ(item->text(), QStringLiteral("&%1 ").arg(i + 1) + QDir::toNativeSeparators(expected[i]));
    }
    // The items sit just before Exit, with a separator between.
    const QList<QAction*> items = f.main->findChild<QMenu*>("mnuFile")->actions();
    EXPECT_EQ(items.at(items.size() - 2)->objectName(), "mnuFileRecentBar");
    EXPECT_EQ(items.at(items.size() - 3)->objectName(), "mnuFileRecent4");

    // Choosing one opens it without the Open dialog.
    const auto dialogs = f.prompts.fileDialogs.size();
    f.prompts.answers = {Prompts::Answer::No};
    f.menu("mnuFileRecent3");
    EXPECT_EQ(f.prompts.fileDialogs.size(), dialogs);
    EXPECT_EQ(f.main->windowTitle(), "V1_APAC.cpg[*] - Vantrel CPS");
    EXPECT_EQ(f.image().byte(bytemap::RadioType), 2);

    // The list is kept in the settings.
    f.settings.sync();
    EXPECT_EQ(f.settings.value("Settings/RecentFiles").toStringList().first(), dataFile("V1_APAC.cpg"));
}

TEST(CurrentFile, DialogsStartInTheFolderLastUsedAndSaveOffersTheFileName) {
    ShellFixture f;
    f.open(dataFile("U1_APAC.cpg"));
    EXPECT_TRUE(f.prompts.fileDialogs.back().directory.isEmpty());  // nothing used yet
    const QString dataFolder = QFileInfo(dataFile("U1_APAC.cpg")).absolutePath();

    f.prompts.fileNames = {f.path("mine.cpg")};
    f.menu("mnuFileSave");
    EXPECT_EQ(f.prompts.fileDialogs.back().directory, dataFolder);
    EXPECT_EQ(f.prompts.fileDialogs.back().fileName, QDir(dataFolder).filePath("U1_APAC.cpg"));

    f.menu("mnuFileOpen");  // cancelled
    EXPECT_EQ(f.prompts.fileDialogs.back().directory, QFileInfo(f.path("mine.cpg")).absolutePath());

    f.menu("mnuFileExport");  // cancelled
    EXPECT_EQ(f.prompts.fileDialogs.back().title, "Export Channels");
    EXPECT_EQ(f.prompts.fileDialogs.back().fileName, QFileInfo(f.path("mine.csv")).absoluteFilePath());
}

}  // namespace
}  // namespace vantrel::test
