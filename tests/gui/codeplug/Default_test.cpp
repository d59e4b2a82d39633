#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/RadioInfoFrame.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

TEST(Default, ChannelOneByBand) {
    struct Case { std::uint8_t radioType; std::uint8_t model; std::array<std::uint8_t, 7> bytes; };
    const Case cases[] = {
        {0, 6, {176, 223, 0, 224, 251, 0, 0}},  {1, 6, {212, 5, 1, 4, 34, 1, 2}},
        {2, 1, {240, 116, 0, 192, 88, 0, 2}},   {3, 1, {148, 122, 0, 100, 94, 0, 1}},
        {3, 18, {148, 122, 0, 100, 94, 0, 1}},  {4, 8, {16, 27, 1, 64, 55, 1, 1}},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        f.startUp();
        CodeplugImage img = sampleImage();
        img.setByte(bm::RadioType, c.radioType);
        img.setByte(bm::ModelIndex, c.model);
        img.setByte(bm::scanSlot(5), 5);
        img.setWord(bm::ScanMask, 0x10);
        f.load(img);
        f.editor().radioInfo()->passwordBox()->setText("abc");
        f.main->menuAction("mnuDefault")->trigger();

        const auto& out = f.image();
        for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(out.byte(16 + i), c.bytes[i]) << int(c.radioType);
        EXPECT_EQ(out.byte(320), c.bytes[6]);
        const std::uint8_t rest[] = {14, 14, 141, 128};
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(out.byte(22 + i), rest[i]);
        EXPECT_EQ(out.byte(176), 1);
        EXPECT_EQ(out.byte(192), 1);
        EXPECT_EQ(out.byte(220), 1);
        for (std::size_t i = 221; i <= 235; ++i) EXPECT_EQ(out.byte(i), 0) << i;
        EXPECT_EQ(out.word(bm::ScanMask), 1);
        const std::uint8_t settings[] = {236, 6, 35, 6, 8, 10, 60, 20, 10, 1};
        for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(out.byte(5 + i), settings[i]) << 5 + i;
        const std::uint8_t buttons[] = {3, 4, 5, 11};
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(out.byte(240 + i), buttons[i]) << 240 + i;
        const std::uint8_t tpl[] = {176, 4, 208, 7, 246, 9, 176, 4, 208, 7, 246, 9};
        for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(out.byte(208 + i), tpl[i]) << 208 + i;
        EXPECT_EQ(out.byte(bm::RadioType), c.radioType);
        EXPECT_EQ(out.byte(bm::ModelIndex), c.model);
        EXPECT_TRUE(f.editor().radioInfo()->passwordBox()->text().isEmpty());
        EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
        EXPECT_EQ(f.find<QLineEdit>("txtScanSpeedTime")->text(), "350");
        EXPECT_EQ(f.find<QLineEdit>("txtTotTime")->text(), "60");
        EXPECT_TRUE(f.prompts.messages.empty());
    }
}

TEST(Default, OtherBandsKeepChannelOneFrequencies) {
    EditorFixture f;
    f.startUp();
    CodeplugImage img = sampleImage();
    img.setByte(bm::RadioType, 7);
    f.load(img);
    f.main->menuAction("mnuDefault")->trigger();
    CodeplugImage cleared;
    ClearChannels(cleared);
    for (std::size_t i = 16; i < 22; ++i) EXPECT_EQ(f.image().byte(i), cleared.byte(i)) << i;
    EXPECT_EQ(f.image().byte(22), 14);
}

}  // namespace
}  // namespace vantrel::test
