#include "report/ReportFromImage.h"

#include "channels/ChannelTexts.h"
#include "channels/FrequencyCodec.h"
#include "channels/UserTplCodec.h"
#include "codeplug/ByteMap.h"
#include "codeplug/Identity.h"

namespace vantrel::report {

namespace {

namespace bm = vantrel::bytemap;

// Bits of OptionFlags behind the feature check boxes.
constexpr unsigned kQuickKeyBit = 0;
constexpr unsigned kPrioScanBit = 1;
constexpr unsigned kTotBit = 2;
constexpr unsigned kScanBit = 3;
constexpr unsigned kPowerSaveBit = 6;
constexpr unsigned kTalkbackBit = 7;

// A timing box shows its byte times the unit when every value fits its
// up-down range; otherwise the editor resets all of them to the fallbacks.
struct Timing {
    std::size_t offset;
    int unit, low, high, fallback;
    std::string ReportContent::*text;
};

const Timing kTimings[] = {
    {bm::ScanSpeedTime, 10, 50, 500, 10, &ReportContent::scanSpeedTime},
    {bm::ScanDelayTime, 500, 500, 9500, 8, &ReportContent::scanDelayTime},
    {bm::LookBackTime, 250, 750, 5000, 16, &ReportContent::lookBackTime},
    {bm::TotTime, 10, 10, 600, 18, &ReportContent::totTime},
    {bm::TotPenaltyTime, 1, 1, 10, 5, &ReportContent::totPenaltyTime},
};

// The scan interval accepts 250 and 500 while the loaded byte is 1 or 2.
int LowLimit(const Timing& t, int byte) {
    return t.offset == bm::LookBackTime && byte <= 2 ? 250 : t.low;
}

void ShowTimings(const CodeplugImage& image, ReportContent& c) {
    bool valid = true;
    for (const Timing& t : kTimings) {
        const int b = image.byte(t.offset);
        const int value = b * t.unit;
        valid = valid && value >= LowLimit(t, b) && value <= t.high;
    }
    for (const Timing& t : kTimings)
        c.*t.text = std::to_string((valid ? image.byte(t.offset) : t.fallback) * t.unit);
}

// The short-press list holds the functions of codes 1..10; the stored byte
// is the position plus one.
int ShortPressPosition(int code) { return code >= 1 && code <= 10 ? code - 1 : -1; }

}  // namespace

ReportContent ReportContentFromImage(AppState& state) {
    ReportContent c;
    c.editorChannelCount = ApplyBandLimits(state);
    RefreshUhfBand(state);
    const CodeplugImage& image = state.image;
    c.imageChannelCount = image.byte(bm::ChannelCount);
    c.modelNumber = ModelNumber(image).text;

    c.quickKey = image.bit(bm::OptionFlags, kQuickKeyBit);
    c.prioScanEnable = image.bit(bm::OptionFlags, kPrioScanBit);
    c.totEnable = image.bit(bm::OptionFlags, kTotBit);
    c.scanEnable = image.bit(bm::OptionFlags, kScanBit);
    c.powerSaveEnable = image.bit(bm::OptionFlags, kPowerSaveBit);
    c.talkbackScan = image.bit(bm::OptionFlags, kTalkbackBit);
    ShowTimings(image, c);
    c.prioScanChNo = std::to_string(image.byte(bm::PrioScanChNo));

    UserTplBoxes boxes;   // the boxes' initial texts stay for zero words
    CodeplugImage scratch = image;
    ShowUserTpl(scratch, boxes);
    c.tplRxFrequency = boxes.rx;
    c.tplTxFrequency = boxes.tx;

    c.shortPress1 = ShortPressPosition(image.byte(bm::ButtonCodeS1));
    c.shortPress2 = ShortPressPosition(image.byte(bm::ButtonCodeS2));
    c.longPressCode1 = image.byte(bm::ButtonCodeL1);
    c.longPressCode2 = image.byte(bm::ButtonCodeL2);

    const int rows = ReportChannelCount(c.editorChannelCount);
    for (int i = 0; i < rows; ++i)
        for (int col = 1; col <= kGridTextColumns; ++col)
            c.grid[i][col - 1] = ChannelCellText(state, i + 1, col).value_or("");
    for (int i = 0; i < kReportMaxChannels; ++i) c.inScanList[i] = image.byte(bm::scanSlot(i + 1)) != 0;
    return c;
}

}  // namespace vantrel::report
