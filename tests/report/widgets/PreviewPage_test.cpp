// The preview page drawn with the real fonts.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "report/PrinterFacts.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/widgets/OffscreenPreview.h"

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

}  // namespace
}  // namespace vantrel::report
