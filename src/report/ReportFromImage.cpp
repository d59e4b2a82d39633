#include "report/ReportFromImage.h"

#include "codeplug/ByteMap.h"
#include "codeplug/Identity.h"

namespace vantrel::report {

namespace bm = vantrel::bytemap;

ReportContent ReportContentFromModel(const EditingModel& model) {
    const EditingCopies& e = model.copies();
    const CodeplugImage& image = model.image();
    ReportContent c;
    c.modelNumber = e.modelLabel;
    c.powerSaveEnable = model.feature(Feature::BatterySave);
    c.quickKey = model.feature(Feature::QuickKey);
    c.talkbackScan = model.feature(Feature::TalkbackScan);
    c.scanEnable = model.feature(Feature::NormalScan);
    c.prioScanEnable = model.feature(Feature::PriorityScan);
    c.totEnable = model.feature(Feature::Tot);
    c.scanSpeedTime = e.timingTexts[0];
    c.scanDelayTime = e.timingTexts[1];
    c.lookBackTime = e.timingTexts[2];
    c.totTime = e.timingTexts[3];
    c.totPenaltyTime = e.timingTexts[4];
    c.prioScanChNo = e.priorityText;
    c.tplRxFrequency = e.tpl.rx;
    c.tplTxFrequency = e.tpl.tx;
    c.shortPress1 = e.shortPosition[0];
    c.shortPress2 = e.shortPosition[1];
    c.longPressCode1 = image.byte(bm::ButtonCodeL1);
    c.longPressCode2 = image.byte(bm::ButtonCodeL2);
    c.imageChannelCount = image.byte(bm::ChannelCount);
    c.editorChannelCount = ChannelCountFor(image.byte(bm::ModelIndex));
    for (int i = 0; i < kReportMaxChannels; ++i) {
        for (int col = 1; col <= kGridTextColumns; ++col) c.grid[i][col - 1] = model.cell(i + 1, col).text;
        c.inScanList[i] = image.byte(bm::scanSlot(i + 1)) != 0;
    }
    return c;
}

ReportContent ReportContentFromImage(AppState& state) {
    EditingModel model(state);
    const CodeplugImage::Bytes bytes = state.image.bytes();
    model.LoadImage(LoadKind::FileOpen, bytes);
    return ReportContentFromModel(model);
}

}  // namespace vantrel::report
