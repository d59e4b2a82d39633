#include "gui/report/QtPrinterFacts.h"

#include <QPrinter>

namespace vantrel::report {

std::optional<double> QtPrinterFacts::printableWidth() const {
    if (!printer_.isValid()) return std::nullopt;
    return InchesToUnit(printer_.pageLayout().paintRect(QPageLayout::Inch).width(), mode_);
}

std::optional<double> QtPrinterFacts::printableHeight() const {
    if (!printer_.isValid()) return std::nullopt;
    return InchesToUnit(printer_.pageLayout().paintRect(QPageLayout::Inch).height(), mode_);
}

std::optional<int> QtPrinterFacts::copies() const {
    if (!printer_.isValid()) return std::nullopt;
    return printer_.copyCount();
}

bool QtPrinterFacts::setCopies(int copies) {
    if (!printer_.isValid() || copies < 1) return false;
    printer_.setCopyCount(copies);
    return true;
}

bool QtPrinterFacts::setOrientation(int orientation) {
    if (!printer_.isValid()) return false;
    return printer_.setPageOrientation(orientation == 2 ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

}  // namespace vantrel::report
