// The printer rendering of the codeplug report: the page drawn straight on
// the printer as grids of rules and texts. Inches and twips are two separate
// designs, not conversions of each other.
#include <string>
#include <vector>

#include "report/ReportLayout.h"
#include "report/TextUtils.h"

namespace vantrel::report {

namespace {

constexpr int kChannelTableColumns = kGridTextColumns + 1;   // the number, then 1..13

struct Design {
    double left, top;                       // L and T
    double titleRuleFrom, titleRuleTo;
    double titleRuleY1, titleRuleY2;        // below T
    double dateX, modelX;                   // right of L
    double firstHeadingDrop;                // below the model line
    double headingGap;                      // from a heading's line end to its table
    double rowGap;                          // g
    double inset;                           // label and value inset
    double rightTable;                      // right of L
    std::vector<double> settingsColumns, buttonColumns, tplColumns;
    double tplOffset;
    std::vector<double> channelRow1, channelColumns;
    double row1Insets[4];
    double headingInsets[kChannelTableColumns];
    double dataInsets[kChannelTableColumns];
    double channelHeadingDrop;              // below the TPL table
    double scanX, scanStep;                 // right of L
    int blanksAfterDate;
};

const Design kInchDesign = {
    0.5, 0.26, 0.1, 8.2, 0.37, 0.39, 5.2, 1.5, 0, 0.07, 0.03, 0.1, 4,
    {0, 1.7, 3.2}, {0, 1.5, 3.2}, {0, 0.8, 2, 3.2}, 0.4,
    {0, 0.35, 2.76, 6.2, 7.3},
    {0, 0.35, 1.05, 1.92, 2.41, 2.76, 3.46, 4.34, 4.68, 5.05, 5.62, 6.2, 6.6, 7, 7.3},
    {0.07, 0.9, 1.5, 0.3},
    {0.03, 0.08, 0.16, 0.17, 0.07, 0.08, 0.17, 0.04, 0.05, 0.1, 0.06, 0.06, 0.08, 0.09},
    {0.12, 0.12, 0.08, 0.08, 0.14, 0.12, 0.08, 0.15, 0.09, 0.16, 0.17, 0.14, 0.08, 0.06},
    0.3, 1, 0.3, 3,
};

const Design kTwipDesign = {
    800, 400, 450, 11200, 420, 450, 7400, 2300, 120, 120, 50, 200, 5600,
    {0, 2500, 4600}, {0, 2200, 4600}, {0, 1500, 3000, 4600}, 400,
    {0, 470, 3920, 8850, 10500},
    {0, 470, 1500, 2720, 3470, 3920, 4950, 6200, 6710, 7220, 8020, 8850, 9450, 10050, 10500},
    {110, 1250, 2000, 420},
    {30, 85, 200, 250, 70, 85, 200, 80, 115, 130, 70, 80, 100, 150},
    {120, 140, 110, 160, 150, 150, 130, 200, 170, 200, 200, 150, 130, 100},
    400, 1400, 450, 2,
};

const char* const kChannelHeadings[kChannelTableColumns] = {
    "Ch No",    "Freq.(MHz)", "PL Option", "SQ",   "Mute", "Freq.(MHz)", "PL Option",
    "PWR",      "TOC",        "Rx Only ",  "Rev Burst", "BCLO", "Band", "TA",
};

struct Placed {
    std::string text;
    double x;   // right of the table origin
};
using GridRow = std::vector<Placed>;

struct GridFont {
    int size;
    bool bold;
};

class PrinterWriter {
public:
    PrinterWriter(PageSurface& s, const Design& d, const ReportContent& c) : s_(s), d_(d), c_(c) {}

    void titleBlock(const std::tm& date) {
        at(d_.left, d_.top);
        font(14, true);
        s_.print("Vantrel CPS Data Report", false);
        for (double dy : {d_.titleRuleY1, d_.titleRuleY2})
            s_.line(d_.titleRuleFrom, d_.top + dy, d_.titleRuleTo, d_.top + dy);
        s_.font.size = 10;
        at(d_.left + d_.dateX, d_.top);
        s_.print(FormatLongDate(date), false);
        for (int i = 0; i < d_.blanksAfterDate; ++i) s_.print(" ", false);
    }

    void modelLine() {
        s_.font.size = 12;
        s_.font.bold = true;
        s_.currentX = d_.left;
        const double y = s_.currentY;
        s_.print("Model Number : ", false);
        at(d_.left + d_.modelX, y);
        s_.print(c_.modelNumber, false);
        s_.print("", false);
        s_.currentY += d_.firstHeadingDrop;
    }

    // Prints a section heading at the current y and returns its table's top.
    double heading(const std::string& text) {
        s_.currentX = d_.left;
        font(10, true);
        s_.print(text, false);
        return s_.currentY + d_.headingGap;
    }

    // A blank line at size 10 bold below the previous table's closing rule.
    void blankBelow(double closingRule) {
        s_.currentY = closingRule;
        font(10, true);
        s_.print("", false);
    }

    // Draws a grid of rows from `top`; returns the y of its closing rule.
    double grid(double origin, const std::vector<double>& bounds, const std::vector<GridRow>& rows,
                double top, GridFont f = {9, false}) {
        double y = top;
        for (std::size_t r = 0;; ++r) {
            s_.line(origin, y, origin + bounds.back(), y);
            if (r == rows.size()) break;
            y += d_.rowGap;
            font(f.size, f.bold);
            for (const Placed& p : rows[r]) {
                at(origin + p.x, y);
                s_.print(p.text, false);
            }
            y = s_.currentY + d_.rowGap;
        }
        for (double b : bounds) s_.line(origin + b, top, origin + b, y);
        return y;
    }

    // Label and value rows of a two-column table.
    std::vector<GridRow> pairs(const std::vector<double>& bounds,
                               const std::vector<std::pair<std::string, std::string>>& rows) const {
        std::vector<GridRow> out;
        for (const auto& [label, value] : rows)
            out.push_back({{label, d_.inset}, {value, bounds[1] + d_.inset}});
        return out;
    }

    void sections() {
        const double L = d_.left, R = d_.left + d_.rightTable;
        double top = heading("Radio Configuration");
        double closing = grid(L, d_.settingsColumns,
                              pairs(d_.settingsColumns, {{"Battery Save Mode", OnOff(c_.powerSaveEnable)},
                                                         {"Quick Key Override", OnOff(c_.quickKey)},
                                                         {"Talkback Scan", OnOff(c_.talkbackScan)}}),
                              top);

        blankBelow(closing);
        top = heading("Scan Type");
        closing = grid(L, d_.settingsColumns,
                       pairs(d_.settingsColumns, {{"Normal Scan Option", OnOff(c_.scanEnable)},
                                                  {"Scan Speed", c_.scanSpeedTime + " msec"},
                                                  {"Scan Hang Time", c_.scanDelayTime + " msec"}}),
                       top);
        grid(R, d_.settingsColumns,
             pairs(d_.settingsColumns, {{"Priority Scan Option", OnOff(c_.prioScanEnable)},
                                        {"Priority Scan Channel", c_.prioScanChNo},
                                        {"Scan Interval Time", c_.lookBackTime + " msec"}}),
             top);

        blankBelow(closing);
        top = heading("Time Out Timer (TOT)");
        closing = grid(L, d_.settingsColumns,
                       pairs(d_.settingsColumns, {{"TOT Enable", OnOff(c_.totEnable)},
                                                  {"TX Time Out Time", c_.totTime + " sec"},
                                                  {"TOT Warning Time", c_.totPenaltyTime + " sec"}}),
                       top);

        blankBelow(closing);
        top = heading("Programmable Button" + std::string(66, ' ') + "User Defined TPL");
        grid(L, d_.buttonColumns,
             pairs(d_.buttonColumns,
                   {{"Button 1 Short Press", ShortPressName(c_.shortPress1)},
                    {"Button 1 Long Press", LongPressName(c_.longPressCode1, c_.shortPress1)},
                    {"Button 2 Short Press", ShortPressName(c_.shortPress2)},
                    {"Button 2 Long Press", LongPressName(c_.longPressCode2, c_.shortPress2)}}),
             top);
        const auto& t = d_.tplColumns;
        std::vector<GridRow> tpl = {
            {{"", d_.inset}, {"  RX", t[1] + d_.tplOffset}, {"   TX", t[2] + d_.tplOffset}}};
        for (int i = 0; i < 3; ++i)
            tpl.push_back({{"TPL" + std::to_string(i + 1), d_.inset},
                           {c_.tplRxFrequency[i] + " Hz", t[1] + d_.tplOffset},
                           {c_.tplTxFrequency[i] + " Hz", t[2] + d_.tplOffset}});
        tplClosing_ = grid(R, t, tpl, top);
    }

    void channels() {
        const double L = d_.left;
        s_.currentY = tplClosing_ + d_.channelHeadingDrop;
        const double top = heading("Conventional Personality");
        const auto& b1 = d_.channelRow1;
        const GridRow row1 = {{"CH", b1[0] + d_.row1Insets[0]},
                              {"RX DATA", b1[1] + d_.row1Insets[1]},
                              {"TX DATA", b1[2] + d_.row1Insets[2]},
                              {"OPTION", b1[3] + d_.row1Insets[3]}};
        double closing = grid(L, b1, {row1}, top, {10, true});

        const auto& b = d_.channelColumns;
        GridRow row2;
        for (int col = 0; col < kChannelTableColumns; ++col)
            row2.push_back({kChannelHeadings[col], b[col] + d_.headingInsets[col]});
        closing = grid(L, b, {row2}, closing, {8, false});

        const int rows = ReportChannelCount(c_.editorChannelCount);
        for (int i = 0; i < rows; ++i) {
            GridRow row = {{std::to_string(i + 1), b[0] + d_.dataInsets[0]}};
            for (int col = 1; col < kChannelTableColumns; ++col)
                row.push_back({c_.grid[i][col - 1], b[col] + d_.dataInsets[col]});
            closing = grid(L, b, {row}, closing, {8, false});
        }
        lastClosing_ = closing;
    }

    void scanList() {
        s_.currentY = lastClosing_;
        font(10, true);
        s_.print("", false);
        s_.currentX = d_.left;
        const double y = s_.currentY;
        s_.print("Scan List : ", false);
        int column = 0;
        const int count = ReportChannelCount(c_.imageChannelCount);
        for (int i = 0; i < count; ++i) {
            if (!c_.inScanList[i]) continue;
            at(d_.left + d_.scanX + column * d_.scanStep, y);
            s_.print(std::to_string(i + 1), false);
            ++column;
        }
    }

private:
    void at(double x, double y) {
        s_.currentX = x;
        s_.currentY = y;
    }
    void font(int size, bool bold) {
        s_.font.name = "Arial";
        s_.font.size = size;
        s_.font.bold = bold;
    }

    PageSurface& s_;
    const Design& d_;
    const ReportContent& c_;
    double tplClosing_ = 0;
    double lastClosing_ = 0;
};

}  // namespace

void DrawPrinterReport(PageSurface& printer, bool inInches, const ReportContent& content,
                       const std::tm& date) {
    printer.setScaleMode(inInches ? kInches : kTwips);
    PrinterWriter writer(printer, inInches ? kInchDesign : kTwipDesign, content);
    writer.titleBlock(date);
    writer.modelLine();
    writer.sections();
    writer.channels();
    writer.scanList();
}

}  // namespace vantrel::report
