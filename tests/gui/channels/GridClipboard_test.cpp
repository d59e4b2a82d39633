// Copying grid rows to the clipboard and pasting them back: a paste with a
// bad row changes nothing and says why; a good one changes image and grid.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include "gui/channels/GridClipboard.h"
#include "gui/channels/GridFixture.h"

namespace vantrel::testing {
namespace {

class GridClipboardTest : public GridFixture {
protected:
    std::unique_ptr<GridClipboard> board;  // made once the grid exists

    void SetUp() override {
        GridFixture::SetUp();
        board = std::make_unique<GridClipboard>(ctx(), *grid, *scan);
        setChannel(1, "151.025", "151.025");
        setChannel(2, "152.5", "157.5");
        setSignal(2, Side::Tx, 43);  // DPL 023
        addToScanList(1);
        populate();
    }
    void selectRows(int first, int last) {
        table()->setCurrentCell(first, 1);
        table()->selectionModel()->select(
            QItemSelection(table()->model()->index(first, 0), table()->model()->index(last, 13)),
            QItemSelectionModel::ClearAndSelect);
    }
    QStringList row(int r) const {
        QStringList out;
        for (int c = 1; c < 14; ++c) out << cell(r, c);
        return out;
    }
};

TEST_F(GridClipboardTest, CopiedRowsPasteIntoTheRowsFromTheSelectedOne) {
    selectRows(1, 2);
    board->copy();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 4);  // header, two rows, the last line feed
    EXPECT_TRUE(lines[0].startsWith("Ch No\tRx Freq.\tPL Option\tSQ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith("2\t152.50000\tCSQ\tNormal\t1\t157.50000\tDPL: 023\t")) << lines[2].toStdString();

    selectRows(5, 5);
    board->paste();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("|").toStdString();
    EXPECT_EQ(row(5), row(1));
    EXPECT_EQ(row(6), row(2));
    EXPECT_EQ(state.image.byte(bytemap::channelRecord(6) + 7), 43);
    EXPECT_TRUE(state.dataChanged);
}

// The row numbers select channel rows by mouse: a drag over them, Shift to
// extend from the last one clicked, Ctrl to add one.
TEST_F(GridClipboardTest, RowNumbersSelectTheChannelRows) {
    QWidget* viewport = table()->viewport();
    auto at = [&](int row) { return table()->visualRect(table()->model()->index(row, 0)).center(); };
    auto send = [&](QEvent::Type type, int row, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(type, at(row), viewport->mapToGlobal(at(row)), Qt::LeftButton, held, mods);
        QApplication::sendEvent(viewport, &e);
    };
    send(QEvent::MouseButtonPress, 1, Qt::LeftButton);
    send(QEvent::MouseMove, 2, Qt::LeftButton);
    send(QEvent::MouseMove, 3, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 3, Qt::NoButton);
    EXPECT_EQ(board->selectedChannels(), (std::vector<int>{1, 2, 3}));
    board->copy();
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').size(), 5);  // header, three rows, end

    // Moving the pointer after the release selects nothing more.
    send(QEvent::MouseMove, 6, Qt::NoButton);
    EXPECT_EQ(board->selectedChannels(), (std::vector<int>{1, 2, 3}));

    send(QEvent::MouseButtonPress, 5, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 5, Qt::NoButton);
    send(QEvent::MouseButtonPress, 7, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseButtonRelease, 7, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(board->selectedChannels(), (std::vector<int>{5, 6, 7}));
    send(QEvent::MouseButtonPress, 2, Qt::LeftButton, Qt::ControlModifier);
    send(QEvent::MouseButtonRelease, 2, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(board->selectedChannels(), (std::vector<int>{2, 5, 6, 7}));
    EXPECT_EQ(table()->currentRow(), 2);
}

TEST_F(GridClipboardTest, ABadRowIsReportedAndNothingIsPasted) {
    const CodeplugImage before = state.image;
    QApplication::clipboard()->setText("Rx Freq.\tTx Freq.\n152.000\t152.000\n462.5625\t462.5625\n");
    selectRows(4, 4);
    board->paste();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Paste");
    EXPECT_EQ(prompts.messages[0].text,
              "Nothing was pasted:\n"
              "Channel 5, Rx Freq. \"462.5625\": Out of Frequency Range\n"
              "Channel 5, Tx Freq. \"462.5625\": Out of Frequency Range");
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(cell(4, 1), "");
}

TEST_F(GridClipboardTest, CutClearsTheRowsAndTheScanListLetsThemGo) {
    selectRows(1, 2);
    board->cut();
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(2, 5), "");
    EXPECT_EQ(state.image.byte(bytemap::scanSlot(1)), 0);
    EXPECT_EQ(items(scan->scanList()), QStringList{});
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\n1\t151.02500\t"));

    // The priority channel's frequencies stay while priority scan is on.
    setChannel(3, "153.0", "153.0");
    addToScanList(3);
    setPriority(3, true);
    populate();
    const CodeplugImage before = state.image;
    prompts.messages.clear();
    selectRows(3, 3);
    board->deleteRows();
    EXPECT_EQ(prompts.texts(), QStringList{"Not Allowed To Delete Priority Channel Frequency  "});
    EXPECT_EQ(state.image, before);
}

}  // namespace
}  // namespace vantrel::testing
