// Frequency editing in the channel grid: opening the in-cell editor, the
// routes that commit it, refusals and deletion.
#include "gui/channels/GridFixture.h"

namespace vantrel::testing {
namespace {

const QString kPriorityRefusal = QStringLiteral("Not Allowed To Delete Priority Channel Frequency  ");

class GridEdit : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        for (int n = 1; n <= 4; ++n) setChannel(n, "151.025", "156.000");
        populate();
    }
};

TEST_F(GridEdit, TypedKeysOpenTheEditorOrAreRefused) {
    select(2, 1);
    type('.');
    EXPECT_EQ(prompts.texts(), QStringList{"Invalid number"});
    EXPECT_FALSE(editor()->isVisible());

    select(1, 1);
    type('4');
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), "4");
    EXPECT_EQ(editor()->maxLength(), 9);
    EXPECT_EQ(QApplication::focusWidget(), editor());

    grid->EndCellEdit();  // "4" is out of range
    prompts.clear();
    select(1, 5);
    key(Qt::Key_Return);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), "156.00000");
    QTest::keyClick(editor(), 'x');
    EXPECT_EQ(prompts.texts(), QStringList{"Invalid number"});
    EXPECT_EQ(editor()->text(), "156.00000");
}

// Esc throws the open edit away: nothing is committed, now or by the focus
// loss and cell moves that follow, and the cell shows the stored value.
TEST_F(GridEdit, EscapeDiscardsTheOpenEdit) {
    const CodeplugImage before = state.image;
    select(2, 1);
    type('4');
    QTest::keyClicks(editor(), "62.5");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), table());
    other->setFocus();
    select(3, 1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(cell(2, 1), "151.02500");
    EXPECT_EQ(state.image.bytes(), before.bytes());
}

// A refused key shows "Invalid number"; the keys typed while the message is
// up go to the message box and never reach the cell after it closes, whether
// the editor was open or the refused key was the first one.
TEST_F(GridEdit, KeysTypedWhileARefusalIsUpAreDropped) {
    QLineEdit* messageBox = other;  // where keys go while a real box is up
    prompts.whileShown = [&](const auto&) { QTest::keyClicks(messageBox, "5625"); };
    select(1, 1);
    type('4');
    QTest::keyClicks(editor(), "62,");
    EXPECT_EQ(prompts.texts(), QStringList{"Invalid number"});
    EXPECT_EQ(editor()->text(), "462");

    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(cell(1, 1), "151.02500");
    EXPECT_EQ(DecodeRxFrequency(state, 1), "151.02500");

    prompts.clear();
    select(2, 5);
    type(',');
    EXPECT_EQ(prompts.texts(), QStringList{"Invalid number"});
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(cell(2, 5).toStdString(), DecodeTxFrequency(state, 2));
}

TEST_F(GridEdit, EnterCommitsAndMovesRight) {
    select(1, 1);
    key(Qt::Key_Return);
    editor()->clear();
    QTest::keyClicks(editor(), "152.5");
    QTest::keyClick(editor(), Qt::Key_Return);

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(cell(1, 1), "152.50000");
    EXPECT_EQ(DecodeRxFrequency(state, 1), "152.50000");
    EXPECT_EQ(table()->currentRow(), 1);
    EXPECT_EQ(table()->currentColumn(), 2);
    EXPECT_TRUE(state.dataChanged);
}

TEST_F(GridEdit, UpOnTheFirstRowCommitsAndStaysDownMovesDown) {
    select(1, 5);
    type('1');
    QTest::keyClicks(editor(), "51.025");
    QTest::keyClick(editor(), Qt::Key_Up);
    EXPECT_EQ(DecodeTxFrequency(state, 1), "151.02500");
    EXPECT_EQ(table()->currentRow(), 1);
    EXPECT_EQ(table()->currentColumn(), 5);
    // Equal frequencies and signalling: a simplex channel, talkaround off.
    EXPECT_EQ(cell(1, 13), "Off");
    EXPECT_TRUE(grid->isCellGrey(1, 13));
    EXPECT_FALSE(state.image.bit(FlagsBOffset(1), 1));

    type('1');
    QTest::keyClicks(editor(), "60");
    QTest::keyClick(editor(), Qt::Key_Down);
    EXPECT_EQ(DecodeTxFrequency(state, 1), "160.00000");
    EXPECT_EQ(table()->currentRow(), 2);
    EXPECT_EQ(cell(1, 13), "On");
}

// Every route that ends an edit commits it once: an off-raster frequency
// gives its refusal exactly once, whichever route comes first and whatever
// routes follow.
class EditRoutes : public GridEdit, public ::testing::WithParamInterface<const char*> {};

TEST_P(EditRoutes, CommitOnce) {
    const std::map<std::string, std::function<void()>> routes = {
        {"Enter", [&] { QTest::keyClick(editor(), Qt::Key_Return); }},
        {"Up", [&] { QTest::keyClick(editor(), Qt::Key_Up); }},
        {"Down", [&] { QTest::keyClick(editor(), Qt::Key_Down); }},
        {"FocusLoss", [&] { other->setFocus(); }},
        {"ClickElsewhere", [&] { click(3, 3); }},
        {"CellLeave", [&] { table()->setCurrentCell(3, 3); }},
        {"MenuCommand", [&] { grid->EndCellEdit(); }},
    };
    // The route under test ends the edit by itself; the others then find
    // nothing left to commit.
    auto runRoutes = [&] {
        routes.at(GetParam())();
        EXPECT_FALSE(editor()->isVisible());
        const int messages = static_cast<int>(prompts.messages.size());
        for (const auto& [name, route] : routes)
            if (name != "Enter" && name != "Up" && name != "Down") route();
        EXPECT_EQ(static_cast<int>(prompts.messages.size()), messages);
    };

    const CodeplugImage before = state.image;
    select(2, 1);
    type('1');
    QTest::keyClicks(editor(), "50.003");
    runRoutes();
    EXPECT_EQ(prompts.texts(), QStringList{"Frequency is not valid"});
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(cell(2, 1), "151.02500");
    EXPECT_TRUE(state.image == before);

    // A deletion is committed once as well: a second commit of the emptied
    // cell would delete again.
    int deletions = 0;
    QObject::connect(grid, &ChannelGrid::channelFrequencyDeleted, [&] { ++deletions; });
    select(2, 1);
    key(Qt::Key_Return);
    editor()->clear();
    runRoutes();
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(DecodeRxFrequency(state, 2), "");
}

INSTANTIATE_TEST_SUITE_P(Routes, EditRoutes,
                         ::testing::Values("Enter", "Up", "Down", "FocusLoss", "ClickElsewhere", "CellLeave",
                                           "MenuCommand"));

TEST_F(GridEdit, RefusalsShowTheStoredFrequencyAndLeaveTheImage) {
    struct Case {
        const char* text;
        bool priority;
        bool prioError;
        QStringList messages;
    };
    const Case cases[] = {
        {"abc", false, false, {"Invalid Frequency"}},
        {"300", false, false, {"Out of Frequency Range"}},
        {"149.99", false, false, {"Out of Frequency Range"}},
        {"150.003", false, false, {"Frequency is not valid"}},
        {"", true, false, {kPriorityRefusal}},
        {"abc", true, false, {"Invalid Frequency", kPriorityRefusal}},
        {"", true, true, {}},  // silent while the priority channel error stands
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.priority ? " priority" : ""));
        setPriority(2, c.priority);
        state.prioChannelError = c.prioError;
        const CodeplugImage before = state.image;
        prompts.clear();
        select(2, 5);
        key(Qt::Key_Return);
        editor()->setText(c.text);  // pasted: typing admits digits only
        QTest::keyClick(editor(), Qt::Key_Return);
        EXPECT_EQ(prompts.texts(), c.messages);
        EXPECT_EQ(cell(2, 5), "156.00000");
        EXPECT_TRUE(state.image == before);
    }
}

TEST_F(GridEdit, DeleteOnThePriorityRowIsRefusedInEveryColumn) {
    setPriority(2, true);
    const CodeplugImage before = state.image;
    for (int c = 1; c <= 13; ++c) {
        select(2, c);
        key(Qt::Key_Delete);
    }
    EXPECT_EQ(prompts.texts(), QStringList(13, kPriorityRefusal));
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(cell(2, 1), "151.02500");
}

TEST_F(GridEdit, DeleteRemovesTheFrequencyAndTheChannelFromTheScanList) {
    addToScanList(3);
    populate();
    ASSERT_TRUE(items(scan->scanList()).contains("003"));

    select(3, 1);
    key(Qt::Key_Delete);
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(state.image.byte(bytemap::channelRecord(3) + 2), 252);
    EXPECT_EQ(state.image.byte(bytemap::subBandIndex(3)), 0);
    EXPECT_EQ(cell(3, 5), "156.00000");
    EXPECT_FALSE(items(scan->scanList()).contains("003"));
    EXPECT_TRUE(items(scan->channelList()).contains("003"));
    EXPECT_EQ(state.image.byte(bytemap::scanSlot(3)), 0);
    EXPECT_EQ(state.image.word(bytemap::ScanMask) & 0x4, 0);

    // Clearing the cell in the editor deletes too; the following moves
    // commit nothing again.
    select(4, 5);
    key(Qt::Key_Return);
    editor()->clear();
    QTest::keyClick(editor(), Qt::Key_Return);
    select(4, 3);
    select(1, 1);
    EXPECT_EQ(DecodeTxFrequency(state, 4), "");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GridEdit, DoubleClickOpensTheEditorUnlessCtrlIsHeld) {
    doubleClick(2, 1);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), "151.02500");
    grid->EndCellEdit();

    select(2, 5);
    QTest::keyPress(table(), Qt::Key_Control);
    doubleClick(2, 5);
    EXPECT_FALSE(editor()->isVisible());
    QTest::keyRelease(table(), Qt::Key_Control);
    doubleClick(2, 5);
    EXPECT_TRUE(editor()->isVisible());
}

}  // namespace
}  // namespace vantrel::testing
