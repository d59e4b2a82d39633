// The preview page drawn with the real fonts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <iterator>
#include <set>

#include "report/PrinterFacts.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/OffscreenPreview.h"

namespace vantrel::report {
namespace {

struct Text {
    double x;
    std::string text;
    double width;
};

// The preview page that also notes where each text went and how wide it is.
struct NotingSurface : ImageSurface {
    std::vector<Text> texts;
    void drawText(double x, double y, const std::string& t) override {
        texts.push_back({x, t, textWidth(t)});
        ImageSurface::drawText(x, y, t);
    }
};

struct NotingPreview : PreviewHost {
    NotingSurface surface;
    PageSurface& loadPreview() override { return surface; }
    void setScrollRanges(const ScrollRange&, const ScrollRange&) override {}
    void setPageNumber(int) override {}
    bool showPageFile(const std::string&) override { return true; }
    void showPreview(bool) override {}
};

// No heading of the channel table reaches the rule on the right of its
// column, where the rule would cut it ("Ch No", "Mute", "Rev Burst").
TEST(PreviewPage, ChannelHeadingsClearTheirColumnRules) {
    struct Column {
        double headingX, right;
    };
    const Column columns[] = {{0.51, 0.8},  {0.85, 1.51}, {1.72, 2.38}, {2.55, 2.86}, {2.9, 3.16},
                              {3.23, 3.87}, {4.05, 4.72}, {4.76, 5.04}, {5.11, 5.38}, {5.44, 5.87},
                              {5.91, 6.41}, {6.48, 6.8},  {6.86, 7.15}, {7.24, 7.5}};
    FixedPrinter printer;
    NotingPreview host;
    ColumnShift shift;
    clsMultiPgPreview engine(printer, host, shift);
    engine.pStartDoc();
    ReportContent content;
    content.imageChannelCount = content.editorChannelCount = 8;
    DrawPreviewReport(engine, shift, content, std::tm{});
    for (const Column& c : columns) {
        const Text* heading = nullptr;
        for (const Text& t : host.surface.texts)
            if (std::fabs(t.x - c.headingX) < 1e-4) heading = &t;
        ASSERT_NE(heading, nullptr) << c.headingX;
        EXPECT_LE(heading->x + heading->width, c.right - 0.01) << heading->text;
    }
}

// The texts of a page, each with its runs of blanks made one blank and its
// outer blanks dropped: the two designs pad some labels differently.
std::multiset<std::string> PageTexts(const NotingSurface& s) {
    std::multiset<std::string> out;
    for (const Text& d : s.texts) {
        std::string t;
        for (char ch : d.text)
            if (ch != ' ' || (!t.empty() && t.back() != ' ')) t += ch;
        while (!t.empty() && t.back() == ' ') t.pop_back();
        if (!t.empty()) out.insert(t);
    }
    return out;
}

// The preview shows what the printout will be: with the real fonts, both
// draw the same texts, none of them broken over two lines in one and not in
// the other.
TEST(PreviewPage, PreviewAndPrintoutDrawTheSameTexts) {
    ReportContent c;
    c.modelNumber = "PYW37LKV5RT3";
    c.imageChannelCount = c.editorChannelCount = 16;
    c.shortPress1 = 2;
    c.longPressCode1 = 4;
    c.shortPress2 = 4;
    c.longPressCode2 = 11;
    c.scanSpeedTime = "350";
    c.tplRxFrequency = {"120.0", "200.0", ""};
    c.tplTxFrequency = {"67.0", "", "254.1"};
    for (int i = 0; i < 16; ++i) {
        c.grid[i] = {"462.56250", " TPL: 103.5 Hz", "Normal", "1", "467.56250", " DPL: 754", "H", "Off",
                     "Off", "None", "Off", "12.5", "On"};
        c.inScanList[i] = i % 3 == 0;
    }
    std::tm date{};
    date.tm_year = 126, date.tm_mon = 8, date.tm_mday = 30, date.tm_wday = 3;  // a long date

    FixedPrinter printer;
    NotingPreview host;
    ColumnShift shift;
    clsMultiPgPreview engine(printer, host, shift);
    engine.pStartDoc();
    DrawPreviewReport(engine, shift, c, date);
    for (bool inches : {true, false}) {
        NotingSurface paper;
        paper.setSizeTwips(8 * 1440, 10.5 * 1440);
        DrawPrinterReport(paper, inches, c, date);
        const auto preview = PageTexts(host.surface), printed = PageTexts(paper);
        std::vector<std::string> onlyPreview, onlyPrinted;
        std::set_difference(preview.begin(), preview.end(), printed.begin(), printed.end(),
                            std::back_inserter(onlyPreview));
        std::set_difference(printed.begin(), printed.end(), preview.begin(), preview.end(),
                            std::back_inserter(onlyPrinted));
        EXPECT_THAT(onlyPreview, ::testing::IsEmpty()) << (inches ? "inches" : "twips");
        EXPECT_THAT(onlyPrinted, ::testing::IsEmpty()) << (inches ? "inches" : "twips");
    }
}

}  // namespace
}  // namespace vantrel::report
