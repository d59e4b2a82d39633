#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "report/ReportFromImage.h"

namespace vantrel::report {
namespace {

namespace bm = vantrel::bytemap;

AppState EightChannelRadio() {
    AppState s;
    s.image.setByte(bm::RadioType, 3);
    s.image.setByte(bm::ModelIndex, 4);   // an 8-channel model
    s.image.setByte(bm::OptionFlags, 0b0100'1001);   // battery save, scan, quick key
    s.image.setByte(bm::ScanSpeedTime, 35);
    s.image.setByte(bm::ScanDelayTime, 6);
    s.image.setByte(bm::LookBackTime, 2);   // 500 ms is allowed for bytes 1 and 2
    s.image.setByte(bm::TotTime, 6);
    s.image.setByte(bm::TotPenaltyTime, 10);
    s.image.setByte(bm::ButtonCodeS1, 5);
    s.image.setByte(bm::ButtonCodeL1, 11);
    s.image.setByte(bm::ButtonCodeS2, 0);
    s.image.setByte(bm::scanSlot(2), 1);
    s.image.setByte(bm::scanSlot(12), 2);
    return s;
}

TEST(ReportFromImage, ShowsWhatTheEditorWouldShow) {
    AppState s = EightChannelRadio();
    const ReportContent c = ReportContentFromImage(s);
    EXPECT_EQ(c.editorChannelCount, 8);
    EXPECT_EQ(c.imageChannelCount, 8);   // written by the band step, as the population does
    EXPECT_TRUE(c.powerSaveEnable && c.scanEnable && c.quickKey);
    EXPECT_FALSE(c.totEnable || c.prioScanEnable || c.talkbackScan);
    EXPECT_EQ(c.scanSpeedTime, "350");
    EXPECT_EQ(c.scanDelayTime, "3000");
    EXPECT_EQ(c.lookBackTime, "500");
    EXPECT_EQ(c.totTime, "60");
    EXPECT_EQ(c.totPenaltyTime, "10");
    EXPECT_EQ(c.shortPress1, 4);
    EXPECT_EQ(c.longPressCode1, 11);
    EXPECT_EQ(c.shortPress2, -1);
    EXPECT_EQ(c.tplRxFrequency[0], "120.0");
    EXPECT_TRUE(c.inScanList[1]);
    EXPECT_TRUE(c.inScanList[11]);   // left for the report's own channel limit
    EXPECT_FALSE(c.inScanList[0]);
}

TEST(ReportFromImage, AnyTimingOutOfRangeShowsTheFallbacks) {
    AppState s = EightChannelRadio();
    s.image.setByte(bm::TotPenaltyTime, 11);
    const ReportContent c = ReportContentFromImage(s);
    EXPECT_EQ(c.scanSpeedTime, "100");
    EXPECT_EQ(c.scanDelayTime, "4000");
    EXPECT_EQ(c.lookBackTime, "4000");
    EXPECT_EQ(c.totTime, "180");
    EXPECT_EQ(c.totPenaltyTime, "5");
}

}  // namespace
}  // namespace vantrel::report
