#pragma once
// Form sizes are kept in twips (1/1440 inch): 15 twips make one pixel at 96 dpi,
// scaled by the screen's logical DPI.
#include <QGuiApplication>
#include <QScreen>

namespace vantrel {

inline int twips(int t) {
    qreal dpi = 96.0;
    if (const QScreen* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInch();
    return qRound(t / 15.0 * dpi / 96.0);
}

inline int toTwips(int pixels) {
    qreal dpi = 96.0;
    if (const QScreen* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInch();
    return qRound(pixels * 15.0 * 96.0 / dpi);
}

}  // namespace vantrel
