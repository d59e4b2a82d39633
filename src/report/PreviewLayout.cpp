// The preview rendering of the codeplug report, in inches on the engine.
#include <optional>
#include <string>
#include <vector>

#include "report/ReportLayout.h"
#include "report/TextUtils.h"

namespace vantrel::report {

namespace {

constexpr float kLeft = 0.5f;        // left edge of the tables
constexpr float kRightTable = 4.3f;  // left edge of the right-hand tables
constexpr float kMarkGap = 0.03f;    // a mark lies this far below CurrentY

struct Value {
    std::string text;
    float x;
};

struct RightCell {
    std::string label;
    float labelX;
    std::vector<Value> values;
};

struct Row {
    std::string label;
    Value value;
    std::optional<RightCell> right;
};

struct Section {
    std::string heading;
    std::vector<Row> rows;
    std::vector<float> leftVerticals;    // 0 stands for W - 4.5
    std::vector<float> rightVerticals;   // 0 stands for W - 0.75
};

std::string Msec(const std::string& t) { return t + " msec"; }
std::string Sec(const std::string& t) { return t + " sec"; }
std::string Hz(const std::string& t) { return t + " Hz"; }

std::vector<Section> Sections(const ReportContent& c) {
    const float v = 2.2f, r = 6.0f, b = 1.9f, rx = 5.6f, tx = 6.6f;
    const auto tpl = [&](int i) {
        return RightCell{"TPL" + std::to_string(i + 1), 4.4f,
                         {{Hz(c.tplRxFrequency[i]), rx}, {Hz(c.tplTxFrequency[i]), tx}}};
    };
    return {
        {"Radio Configuration",
         {{"Battery Save Mode", {OnOff(c.powerSaveEnable), v}, std::nullopt},
          {"Quick Key Override  ", {OnOff(c.quickKey), v}, std::nullopt},
          {"Talkback Scan  ", {OnOff(c.talkbackScan), v}, std::nullopt}},
         {0.5f, 2.1f, 0},
         {}},
        {"Scan Type",
         {{"Normal Scan Option", {OnOff(c.scanEnable), v},
           RightCell{"Priority Scan Option", 4.4f, {{OnOff(c.prioScanEnable), r}}}},
          {"Scan Speed", {Msec(c.scanSpeedTime), v},
           RightCell{"Priority Scan Channel", 4.4f, {{c.prioScanChNo, r}}}},
          {"Scan Hang Time", {Msec(c.scanDelayTime), v},
           RightCell{"Scan Interval Time", 4.4f, {{Msec(c.lookBackTime), r}}}}},
         {0.5f, 2.1f, 0},
         {4.3f, 5.9f, 0}},
        {"Time Out Timer (TOT)",
         {{"TOT Enable", {OnOff(c.totEnable), v}, std::nullopt},
          {"TX Time Out Time", {Sec(c.totTime), v}, std::nullopt},
          {"TOT Warning Time", {Sec(c.totPenaltyTime), v}, std::nullopt}},
         {0.5f, 2.1f, 0},
         {}},
        {"Programmable Button" + std::string(59, ' ') + "User Defined TPL",
         {{"Button 1 Short Press", {ShortPressName(c.shortPress1), b},
           RightCell{"", 4.3f, {{"RX", rx}, {"TX", tx}}}},
          {"Button 1 Long Press", {LongPressName(c.longPressCode1, c.shortPress1), b}, tpl(0)},
          {"Button 2 Short Press", {ShortPressName(c.shortPress2), b}, tpl(1)},
          {"Button 2 Long Press", {LongPressName(c.longPressCode2, c.shortPress2), b}, tpl(2)}},
         {0.5f, 1.8f, 0},
         {4.3f, 5.15f, 6.19f, 0}},
    };
}

// Channel table columns: heading x, data x and the column's right rule of
// grid columns 1..13 (0: the table's right edge).
struct ChannelColumn {
    const char* heading;
    float headingX;
    float dataX;
    float right;
};

const ChannelColumn kChannelColumns[kGridTextColumns] = {
    {" Freq.(MHz)", 0.85f, 0.92f, 1.51f}, {"PL Option", 1.72f, 1.57f, 2.38f}, {"SQ", 2.55f, 2.46f, 2.86f},
    {"Mute", 2.9f, 3.01f, 3.16f},         {" Freq.(MHz)", 3.23f, 3.28f, 3.87f}, {"PL Option", 4.05f, 3.92f, 4.72f},
    {"PWR", 4.76f, 4.85f, 5.04f},         {"TOC", 5.11f, 5.13f, 5.38f},         {"Rx Only", 5.44f, 5.56f, 5.87f},
    {"Rev Burst", 5.91f, 6.04f, 6.41f},   {"BCLO", 6.48f, 6.53f, 6.8f},         {"Band", 6.86f, 6.88f, 7.15f},
    {"TA", 7.24f, 7.23f, 0},
};
constexpr float kChNoRight = 0.8f;
constexpr int kHeadingSize = 8;
constexpr int kSmallestHeadingSize = 6;
constexpr float kRuleClearance = 0.02f;  // about two screen pixels

class PreviewWriter {
public:
    PreviewWriter(clsMultiPgPreview& e, ColumnShift& columns, const ReportContent& c)
        : e_(e), columns_(columns), c_(c) {}

    void titleBlock(const std::tm& date) {
        e_.pPrint("");
        e_.FontSize(14);
        e_.FontBold(true);
        e_.FontName("Arial");
        e_.pPrint("Vantrel CPS Data Report", 0.5f, true);
        e_.FontSize(10);
        e_.pPrint(FormatLongDate(date), 5.2f);
        e_.pPrint("");
        // Still the printer's printable width: GetPaperWidth has not run yet.
        e_.pDoubleLine(0, -1, 1, true);
    }

    void modelLine() {
        e_.FontSize(12);
        e_.FontBold(true);
        e_.pPrint("");
        e_.FontName("Arial");
        e_.pPrint("Model Number : ", 0.5f, true);
        e_.pPrint(c_.modelNumber, -1);
        w_ = e_.GetPaperWidth();
    }

    void section(const Section& s) {
        e_.FontSize(10);
        e_.FontBold(true);
        e_.pPrint("");
        e_.FontName("Arial");
        e_.pPrint(s.heading, kLeft);
        e_.pHalfSpace();
        e_.FontBold(false);
        e_.FontSize(9);
        e_.FontTransparent(true);
        const float top = mark();
        for (const Row& row : s.rows) {
            columns_.secondColumn = false;
            rule(kLeft, w_ - 4.5f);
            e_.pPrint(row.label, 0.6f, true);
            e_.pPrint(row.value.text, row.value.x, row.right.has_value());
            if (!row.right) continue;
            columns_.secondColumn = true;
            rule(kRightTable, w_ - 0.75f);
            e_.pPrint(row.right->label, row.right->labelX, true);
            const auto& values = row.right->values;
            for (std::size_t i = 0; i < values.size(); ++i)
                e_.pPrint(values[i].text, values[i].x, i + 1 < values.size());
        }
        const float bottom = mark();
        columns_.secondColumn = false;
        rule(kLeft, w_ - 4.5f);
        verticals(s.leftVerticals, w_ - 4.5f, top, bottom);
        if (!s.rightVerticals.empty()) {
            columns_.secondColumn = true;
            rule(kRightTable, w_ - 0.75f);
            verticals(s.rightVerticals, w_ - 0.75f, top, bottom);
            columns_.secondColumn = false;
        }
    }

    void channels() {
        e_.p15Space();
        e_.FontSize(10);
        e_.FontBold(true);
        e_.FontName("Arial");
        e_.pPrint("Conventional Personality", kLeft);
        e_.pHalfSpace();
        e_.FontSize(10);
        e_.FontTransparent(true);

        const float top1 = mark();
        rule(kLeft, w_ - 0.5f);
        e_.FontSize(10);
        e_.FontBold(true);
        e_.pPrint("CH", 0.56f, true);
        e_.pPrint("RX DATA", 1.6f, true);
        e_.pPrint("TX DATA", 4.6f, true);
        e_.pPrint("OPTION", 6.66f);
        e_.FontBold(false);
        e_.FontSize(8);
        e_.FontTransparent(true);
        const float bottom1 = mark();
        verticals({0.5f, 0.8f, 3.16f, 6.41f, 0}, w_ - 0.5f, top1, bottom1);

        const float top2 = mark();
        rule(kLeft, w_ - 0.5f);
        heading("Ch No", 0.51f, kChNoRight, true);
        for (int col = 0; col < kGridTextColumns; ++col) {
            const ChannelColumn& c = kChannelColumns[col];
            heading(c.heading, c.headingX, c.right == 0 ? w_ - 0.5f : c.right, col + 1 < kGridTextColumns);
        }
        const int count = ReportChannelCount(c_.imageChannelCount);
        for (int i = 0; i < count; ++i) {
            rule(kLeft, w_ - 0.5f);
            e_.pPrint(std::to_string(i + 1), 0.6f, true);
            for (int col = 0; col < kGridTextColumns; ++col)
                e_.pPrint(c_.grid[i][col], kChannelColumns[col].dataX, col + 1 < kGridTextColumns);
        }
        const float bottom2 = mark();
        rule(kLeft, w_ - 0.5f);
        verticals({0.5f, 0.8f, 1.51f, 2.38f, 2.86f, 3.16f, 3.87f, 4.72f, 5.04f, 5.38f, 5.87f, 6.41f,
                   6.8f, 7.15f, 0},
                  w_ - 0.5f, top2, bottom2);
    }

    void scanList() {
        e_.FontSize(10);
        e_.FontBold(true);
        e_.pPrint("");
        e_.FontName("Arial");
        e_.pPrint("Scan List : ", kLeft, true);
        int column = 1;
        const int count = ReportChannelCount(c_.imageChannelCount);
        for (int i = 0; i < count; ++i) {
            if (!c_.inScanList[i]) continue;
            e_.pPrint(std::to_string(i + 1), 1.2f + column * 0.3f, true);
            ++column;
        }
    }

private:
    // A column heading that would reach its column's rule is printed smaller,
    // down to 6 points, so the rule does not cut it ("Ch No" at 8 points is
    // as wide as its column).
    void heading(const std::string& text, float x, float right, bool sameLine) {
        for (int size = kHeadingSize; size > kSmallestHeadingSize; --size) {
            if (x + e_.GetTextWidth(text) <= right - kRuleClearance) break;
            e_.FontSize(size - 1);
        }
        e_.pPrint(text, x, sameLine);
        e_.FontSize(kHeadingSize);
    }

    float mark() { return e_.CurrentY() + kMarkGap; }
    void rule(float from, float to) { e_.pLine(from, to, 1, true); }
    // A 0 in the list is the table's right edge.
    void verticals(const std::vector<float>& xs, float rightEdge, float top, float bottom) {
        for (float x : xs) e_.pVerticalLine(x == 0 ? rightEdge : x, top, bottom, 0);
    }

    clsMultiPgPreview& e_;
    ColumnShift& columns_;
    const ReportContent& c_;
    float w_ = 8.0f;
};

}  // namespace

void DrawPreviewReport(clsMultiPgPreview& engine, ColumnShift& columns,
                       const ReportContent& content, const std::tm& date) {
    PreviewWriter writer(engine, columns, content);
    writer.titleBlock(date);
    writer.modelLine();
    for (const Section& s : Sections(content)) writer.section(s);
    writer.channels();
    writer.scanList();
}

}  // namespace vantrel::report
