#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "channels/FrequencyCodec.h"
#include "codeplug/CodeplugFile.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

// The in-cell editor of channel 1's receive frequency, holding a typed value
// 25 kHz above the stored one.
struct PendingEdit : ::testing::Test {
    ShellFixture f;
    ChannelGrid* grid = nullptr;
    std::string before, typed;

    void SetUp() override {
        f.openDefaultFile();
        f.editor().tabs()->setCurrentIndex(1);
        grid = f.editor().grid();
        before = DecodeRxFrequency(f.state, 1);
        ASSERT_FALSE(before.empty());
        typed = QString::number(std::stod(before) + 0.025, 'f', 4).toStdString();
        grid->table()->setCurrentCell(1, 1);
        grid->table()->setFocus();
        QTest::keyClick(grid->table(), Qt::Key_Return);
        ASSERT_TRUE(grid->cellEditor()->isVisible());
        grid->cellEditor()->clear();
        QTest::keyClicks(grid->cellEditor(), QString::fromStdString(typed));
    }
};

TEST_F(PendingEdit, CtrlSCommitsTheTypedValueAndSavesIt) {
    const QString file = f.path("edited.cpg");
    f.prompts.fileNames = {file};
    QApplication::setActiveWindow(f.main.get());
    QTest::keyClick(grid->cellEditor(), Qt::Key_S, Qt::ControlModifier);

    ASSERT_EQ(f.prompts.fileDialogs.size(), 1u);
    EXPECT_FALSE(grid->cellEditor()->isVisible());
    EXPECT_EQ(std::stod(DecodeRxFrequency(f.state, 1)), std::stod(typed));
    CodeplugImage saved;
    ASSERT_TRUE(CopyToBox(saved, file.toStdString()).ok());
    EXPECT_EQ(saved, f.image());
}

TEST_F(PendingEdit, ToolbarReadLeavesTheEditOpen) {
    f.main->toolbarButton(3)->trigger();
    EXPECT_TRUE(grid->cellEditor()->isVisible());
    EXPECT_EQ(DecodeRxFrequency(f.state, 1), before);
}

}  // namespace
}  // namespace vantrel::test
