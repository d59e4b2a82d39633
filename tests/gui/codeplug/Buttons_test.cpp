#include <QComboBox>
#include <gtest/gtest.h>

#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

struct ButtonsTest : ::testing::Test {
    EditorFixture f;
    void SetUp() override {
        f.startUp();
        f.load(sampleImage());
        f.state.dataChanged = false;
    }
    QComboBox* s(int b) { return f.editor().buttons()->shortList(b); }
    QComboBox* l(int b) { return f.editor().buttons()->longList(b); }
};

TEST_F(ButtonsTest, ScanOffersNineLongPressFunctions) {
    choose(s(0), 4);
    EXPECT_EQ(f.image().byte(bm::ButtonCodeS1), 5);
    EXPECT_EQ(items(l(0)), (QStringList{"Hi/Low Power", "Volume Set", "Repeater/Talkaround", "PL/DPL",
                                        "Unassigned", "Battery Save Mode", "Squelch",
                                        "Nuisance Channel Delete", "Button Lock"}));
    EXPECT_EQ(l(0)->currentText(), "Unassigned");
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), 8);
    EXPECT_TRUE(f.state.dataChanged);
}

TEST_F(ButtonsTest, MonitorOffersStickyMonitor) {
    choose(s(1), 2);
    EXPECT_EQ(f.image().byte(bm::ButtonCodeS2), 3);
    EXPECT_EQ(items(l(1)), (QStringList{"Sticky Monitor", "Unassigned"}));
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL2), 8);
    choose(l(1), 0);
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL2), 4);
}

TEST_F(ButtonsTest, LongPressListsByShortPressPosition) {
    struct Case { int p; int count; QString selected; int code; };
    for (Case c : {Case{1, 1, "Unassigned", 8}, Case{3, 1, "Unassigned", 8}, Case{0, 8, "Unassigned", 8},
                   Case{9, 8, "Unassigned", 8}}) {
        choose(s(0), c.p);
        EXPECT_EQ(f.image().byte(bm::ButtonCodeS1), c.p + 1);
        EXPECT_EQ(l(0)->count(), c.count) << c.p;
        EXPECT_EQ(l(0)->currentText(), c.selected) << c.p;
        EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), c.code) << c.p;
    }
    choose(s(0), 5);
    choose(l(0), 7);
    EXPECT_EQ(l(0)->currentText(), "Button Lock");
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), 12);
}

TEST_F(ButtonsTest, LoadSelectsTheStoredLongPressOrNothing) {
    CodeplugImage img = sampleImage();
    img.setByte(bm::ButtonCodeS1, 2);
    img.setByte(bm::ButtonCodeL1, 5);
    img.setByte(bm::ButtonCodeS2, 5);
    img.setByte(bm::ButtonCodeL2, 11);
    f.load(img);
    EXPECT_EQ(s(0)->currentText(), "Volume Set");
    EXPECT_EQ(l(0)->currentIndex(), -1);
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), 5);
    EXPECT_EQ(l(1)->currentText(), "Nuisance Channel Delete");
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL2), 11);
    EXPECT_EQ(f.image().byte(bm::ButtonCodeS2), 5);
}

// A short-press byte outside the list leaves no stale long-press choice behind.
TEST_F(ButtonsTest, StoredShortPressOutsideTheListSelectsNoLongPress) {
    for (int stored : {0, 11, 255}) {
        CodeplugImage img = sampleImage();
        img.setByte(bm::ButtonCodeS1, static_cast<std::uint8_t>(stored));
        img.setByte(bm::ButtonCodeL1, 4);
        f.load(img);
        EXPECT_EQ(s(0)->currentIndex(), -1) << stored;
        EXPECT_EQ(l(0)->currentIndex(), -1) << stored;
        if (l(0)->count() > 0) choose(l(0), 0);
        EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), 4) << stored;
        EXPECT_EQ(f.image().byte(bm::ButtonCodeS1), stored) << stored;
    }
}

TEST(ButtonsBeforeLoad, InitialListsUseTheOldTalkaroundText) {
    EditorFixture f;
    f.startUp();
    EXPECT_EQ(f.editor().buttons()->shortList(0)->itemText(5), "Repeater / Talkaround");
    EXPECT_EQ(f.editor().buttons()->shortList(0)->currentText(), "Monitor");
    EXPECT_EQ(f.editor().buttons()->shortList(1)->currentText(), "Hi/Low Power");
}

}  // namespace
}  // namespace vantrel::test
