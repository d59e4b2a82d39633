#pragma once
// A preview host without a window: it lends an image surface to the engine
// and keeps the last page index and the page shown. The command line and the
// benchmarks render preview pages through it.
#include "report/PreviewHost.h"
#include "report/print/ImageSurface.h"

namespace vantrel::report {

class OffscreenPreview : public PreviewHost {
public:
    ImageSurface surface;
    int pageNumber = 0;
    bool pageShown = false;

    PageSurface& loadPreview() override { return surface; }
    void setScrollRanges(const ScrollRange&, const ScrollRange&) override {}
    void setPageNumber(int last) override { pageNumber = last; }
    bool showPageFile(const std::string& path) override {
        pageShown = surface.loadImage(QString::fromStdString(path));
        return pageShown;
    }
    void showPreview(bool) override {}
};

}  // namespace vantrel::report
