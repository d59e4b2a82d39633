#include "report/PrinterFacts.h"

namespace vantrel::report {

double InchesToUnit(double inches, int mode) {
    switch (mode) {
    case kTwips: return inches * 1440.0;
    case kCentimetres: return inches * 2.54;
    default: return inches;
    }
}

}  // namespace vantrel::report
