#pragma once
// The print preview window as the engine sees it: it lends its page picture
// as the drawing surface, takes the scroll ranges and the last page index,
// shows a page file and is shown at the end of the document.
#include <string>

#include "report/PageSurface.h"

namespace vantrel::report {

struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
    int smallChange = 0;
    int largeChange = 0;
};

class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    // Loads the window without showing it; returns its page picture.
    virtual PageSurface& loadPreview() = 0;
    virtual void setScrollRanges(const ScrollRange& vertical, const ScrollRange& horizontal) = 0;
    // Index of the last page file of the document.
    virtual void setPageNumber(int lastPageIndex) = 0;
    // Loads a page file into the page picture; false when it cannot be read.
    virtual bool showPageFile(const std::string& path) = 0;
    // Shows the window; a modal show returns once the window has closed.
    virtual void showPreview(bool modal) = 0;
};

}  // namespace vantrel::report
