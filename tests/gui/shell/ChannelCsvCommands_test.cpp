// File > Export Channels.. and Import Channels.. in the editor.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/shell/ImportNumberingDialog.h"
#include "gui/shell/ShellFixture.h"
#include "shell/ChirpCsv.h"

namespace vantrel::test {
namespace {

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

TEST(ChannelCsvCommands, ExportWritesTheChannelListOnceDataAreLoaded) {
    ShellFixture f;
    EXPECT_FALSE(f.main->menuAction("mnuFileExport")->isEnabled());
    EXPECT_FALSE(f.main->menuAction("mnuFileImport")->isEnabled());
    f.openDefaultFile();
    ASSERT_TRUE(f.main->menuAction("mnuFileExport")->isEnabled());
    EXPECT_TRUE(f.main->menuAction("mnuFileImport")->isEnabled());

    f.prompts.fileNames = {f.path("channels.csv")};
    f.menu("mnuFileExport");
    ASSERT_EQ(f.prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(f.prompts.fileDialogs[0].filter, "CHIRP channel list (*.csv)");
    EXPECT_EQ(f.prompts.fileDialogs[0].defaultSuffix, "csv");  // "channels" typed gives channels.csv
    EXPECT_EQ(ShellFixture::read(f.path("channels.csv")).toStdString(), ExportChirpCsv(f.state));
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST(ChannelCsvCommands, ImportShowsTheChannelsAndListsTheRowsLeftOutInOneMessage) {
    ShellFixture f;
    f.openDefaultFile();  // 403-425 MHz, channel 1 in the scan list
    f.state.dataChanged = false;
    const QString csv = f.write("in.csv",
                                "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\r\n"
                                "2,,410.100000,+,5.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,12.50,,Low\r\n"
                                "3,,450.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High\r\n"
                                "1,,411.000000,,0.000000,Tone,159.8,88.5,023,NN,023,Tone->Tone,FM,12.50,S,High\r\n");
    f.prompts.fileNames = {csv};
    f.menu("mnuFileImport");

    ChannelGrid& grid = *f.editor().grid();
    EXPECT_EQ(grid.cellText(2, 1), "410.10000");
    EXPECT_EQ(grid.cellText(2, 5), "415.10000");
    EXPECT_EQ(grid.cellText(2, 2), " IDPL: 754");
    EXPECT_EQ(grid.cellText(2, 6), " DPL: 754");
    EXPECT_EQ(grid.cellText(2, 12), "12.5");
    EXPECT_EQ(grid.cellText(2, 7), "L");
    EXPECT_EQ(grid.cellText(2, 13), "On");
    EXPECT_TRUE(grid.cellText(3, 1).isEmpty());
    EXPECT_EQ(items(f.editor().scanList()->scanList()), (QStringList{"001", "002"}));
    EXPECT_TRUE(f.state.dataChanged);
    EXPECT_TRUE(f.main->isWindowModified());

    EXPECT_EQ(f.prompts.numberingAsked, (std::vector<int>{16}));
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].title, "Import Channels");
    EXPECT_EQ(f.prompts.messages[0].text,
              "imported 1 row into channel 2; 2 left out\r\n"
              "Left out:\r\n"
              "location 3: receive frequency 450.000000: Out of Frequency Range\r\n"
              "location 1: tone 159.8 Hz is not in the radio's tone table");
}

// A list numbered from 100 goes into the channels from the one chosen, and
// the closing message says the names were not kept; cancelling the question
// imports nothing.
TEST(ChannelCsvCommands, ImportFillsChannelsFromTheOneChosen) {
    ShellFixture f;
    f.openDefaultFile();
    const QString csv = f.write("named.csv",
                                "Location,Name,Frequency\r\n"
                                "100,Gate,410.100000\r\n"
                                "101,Yard,410.200000\r\n");
    f.prompts.fileNames = {csv};
    f.prompts.numberings = {std::nullopt};
    f.state.dataChanged = false;
    f.menu("mnuFileImport");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.state.dataChanged);

    f.prompts.fileNames = {csv};
    f.prompts.numberings = {Prompts::ImportNumbering{true, 4}};
    f.menu("mnuFileImport");
    ChannelGrid& grid = *f.editor().grid();
    EXPECT_EQ(grid.cellText(4, 1), "410.10000");
    EXPECT_EQ(grid.cellText(5, 1), "410.20000");
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].text,
              "imported 2 rows into channels 4\u2013" "5; 0 left out\r\n"
              "channel names are not kept: the radio has no channel names");
    EXPECT_EQ(f.prompts.messages[0].icon, Prompts::Icon::Information);
}

// The question itself: the list's numbers unless the user fills, from a
// channel the radio has.
TEST(ImportNumberingDialog, KeepsTheListsNumbersUnlessFillIsChosen) {
    ImportNumberingDialog dialog(8, nullptr);
    auto* fill = dialog.findChild<QRadioButton*>("optFillChannels");
    auto* first = dialog.findChild<QSpinBox*>("udFirstChannel");
    ASSERT_TRUE(fill && first);
    EXPECT_FALSE(dialog.choice().fill);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_EQ(first->maximum(), 8);
    fill->setChecked(true);
    EXPECT_TRUE(first->isEnabled());
    first->setValue(12);
    EXPECT_TRUE(dialog.choice().fill);
    EXPECT_EQ(dialog.choice().firstChannel, 8);
}

}  // namespace
}  // namespace vantrel::test
