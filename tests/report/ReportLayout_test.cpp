#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "report/EngineFixture.h"
#include "report/ReportLayout.h"

namespace vantrel::report::testing {
namespace {

ReportContent EightChannels() {
    ReportContent c;
    c.modelNumber = "VT-150-8";
    c.imageChannelCount = c.editorChannelCount = 8;
    c.shortPress1 = 4;      // Scan
    c.longPressCode1 = 4;   // Sticky Monitor: only for Monitor, so left empty
    c.shortPress2 = 11;
    c.longPressCode2 = 8;
    for (int i = 0; i < 16; ++i) c.grid[i][0] = "15" + std::to_string(i) + ".00000";
    c.inScanList[1] = c.inScanList[6] = true;
    c.inScanList[9] = true;   // beyond the radio's eight channels
    return c;
}

std::tm Date() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_wday = 4;
    return t;
}

bool Near(double a, double b) { return std::fabs(a - b) < 1e-4; }

class PreviewReportTest : public EngineTest {
protected:
    void draw(const ReportContent& c) {
        engine->pStartDoc();
        DrawPreviewReport(*engine, columns, c, Date());
    }
    const Drawn* find(const std::string& text) const {
        for (const auto& d : host.surface.drawn)
            if (d.kind == Drawn::Text && d.text == text) return &d;
        return nullptr;
    }
    std::vector<Drawn> textsAt(double x) const {
        std::vector<Drawn> out;
        for (const auto& d : host.surface.texts())
            if (Near(d.x1, x)) out.push_back(d);
        return out;
    }
};

TEST_F(PreviewReportTest, EightChannelRadioHasEightRowsAndItsOwnScanMembers) {
    draw(EightChannels());
    std::vector<std::string> numbers;
    for (const auto& d : textsAt(0.6))
        if (d.font.size == 8) numbers.push_back(d.text);
    EXPECT_THAT(numbers, ::testing::ElementsAre("1", "2", "3", "4", "5", "6", "7", "8"));
    ASSERT_NE(find("150.00000"), nullptr);
    EXPECT_TRUE(Near(find("150.00000")->x1, 0.92));

    const auto t = host.surface.texts();
    const auto label = std::find_if(t.begin(), t.end(), [](const Drawn& d) { return d.text == "Scan List : "; });
    ASSERT_NE(label, t.end());
    ASSERT_EQ(t.end() - label, 3);
    EXPECT_EQ(label[1].text, "2");
    EXPECT_TRUE(Near(label[1].x1, 1.5));
    EXPECT_EQ(label[2].text, "7");
    EXPECT_TRUE(Near(label[2].x1, 1.8));
    EXPECT_TRUE(Near(label[2].y1, label->y1));
}

TEST_F(PreviewReportTest, EmptyScanListEndsWithTheLabel) {
    ReportContent c = EightChannels();
    c.inScanList.fill(false);
    draw(c);
    EXPECT_EQ(host.surface.texts().back().text, "Scan List : ");
}

TEST_F(PreviewReportTest, ButtonNamesFollowTheShortPressSelection) {
    ReportContent c = EightChannels();
    draw(c);
    // Code 4 is not admissible with "Scan": the cell stays empty, yet the
    // row's right-hand cell follows on the same line.
    const Drawn* longLabel = find("Button 1 Long Press");
    const Drawn* tpl1 = find("TPL1");
    ASSERT_TRUE(longLabel && tpl1);
    EXPECT_TRUE(Near(tpl1->y1, longLabel->y1));
    EXPECT_EQ(find("Sticky Monitor"), nullptr);
    ASSERT_NE(find("Button Lock"), nullptr);
    EXPECT_TRUE(Near(find("Button Lock")->x1, 1.9));
    EXPECT_EQ(find("Unassigned"), nullptr);   // no long press after "Button Lock"
}

TEST(LongPressName, NeedsAnAdmissibleShortPress) {
    const struct { int code, shortPress; const char* name; } cases[] = {
        {4, 2, "Sticky Monitor"}, {4, 4, ""},  {8, 9, "Unassigned"},
        {8, 10, ""},              {11, 4, "Nuisance Channel Delete"},
        {1, 3, ""},               {1, 5, "Hi/Lo Power"}, {3, 0, ""},
        {13, 0, ""},              {12, -1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LongPressName(c.code, c.shortPress), c.name) << c.code << "/" << c.shortPress;
}

TEST_F(PreviewReportTest, NoShortPressSelectionPrintsNothing) {
    ReportContent c = EightChannels();
    c.shortPress2 = -1;
    draw(c);
    EXPECT_EQ(find("Button Lock"), nullptr);
    EXPECT_EQ(find("Unassigned"), nullptr);
    EXPECT_EQ(textsAt(1.9).size(), 1u);   // only "Scan"
}

TEST_F(PreviewReportTest, FirstDoubleRuleUsesThePrinterWidthAndLaterRulesEightInches) {
    printer.printableWidthInches = 7.8;
    draw(EightChannels());
    const auto rules = host.surface.lines();
    ASSERT_GT(rules.size(), 3u);
    EXPECT_TRUE(Near(rules[0].x2, 7.8));
    EXPECT_TRUE(Near(rules[1].x2, 7.8));
    EXPECT_TRUE(Near(rules[2].x2, 3.5));   // first table row: W - 4.5
    EXPECT_TRUE(std::any_of(rules.begin(), rules.end(), [](const Drawn& d) {
        return Near(d.x1, 0.5) && Near(d.x2, 7.5) && Near(d.y1, d.y2);
    }));
}

TEST_F(PreviewReportTest, RightTableRulesLieOnTheLeftTableRules) {
    draw(EightChannels());
    std::vector<double> left, right;
    for (const auto& d : host.surface.lines()) {
        if (!Near(d.y1, d.y2)) continue;
        if (Near(d.x1, 0.5) && Near(d.x2, 3.5)) left.push_back(d.y1);
        if (Near(d.x1, 4.3) && Near(d.x2, 7.25)) right.push_back(d.y1);
    }
    ASSERT_EQ(right.size(), 4u + 5u);   // Scan Type: 3 rows + closing; TPL: 4 + closing
    for (double y : right)
        EXPECT_TRUE(std::any_of(left.begin(), left.end(), [&](double l) { return Near(l, y); })) << y;
}

TEST(PrinterReport, DrawsInTwipsOrInchesAndOneRowPerEditorChannel) {
    RecordingSurface s;
    s.setSizeTwips(8 * 1440, 10.5 * 1440);
    ReportContent c = EightChannels();
    c.editorChannelCount = 16;
    DrawPrinterReport(s, false, c, std::tm{});
    auto t = s.texts();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0].text, "Vantrel CPS Data Report");
    EXPECT_TRUE(Near(t[0].x1, 800) && Near(t[0].y1, 400));
    int rows = 0;
    for (const auto& d : t) rows += Near(d.x1, 800 + 120) && d.font.size == 8;
    EXPECT_EQ(rows, 16);
    EXPECT_EQ(t.back().text, "7");   // image count 8: channel 10 is not listed
    EXPECT_EQ(t[t.size() - 2].text, "2");
    EXPECT_TRUE(Near(t[t.size() - 2].x1, 800 + 1400));
    EXPECT_TRUE(Near(t.back().x1, 800 + 1400 + 450));

    RecordingSurface inches;
    DrawPrinterReport(inches, true, c, std::tm{});
    t = inches.texts();
    EXPECT_TRUE(Near(t[0].x1, 0.5) && Near(t[0].y1, 0.26));
    const auto quick = std::find_if(t.begin(), t.end(), [](const Drawn& d) { return d.text.rfind("Quick", 0) == 0; });
    ASSERT_NE(quick, t.end());
    EXPECT_EQ(quick->text, "Quick Key Override");
}

}  // namespace
}  // namespace vantrel::report::testing
