#include "gui/shell/EmptyHint.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>
#include <QLabel>
#include <QMdiArea>

namespace vantrel {

namespace {

const char* const kHint = QT_TRANSLATE_NOOP(
    "vantrel::EmptyHint",
    "<p><b>Nothing is loaded yet.</b></p>"
    "<p>Read a radio: <b>Device &gt; Read</b> (Ctrl+R).<br>"
    "Open a data file: <b>File &gt; Open..</b> (Ctrl+O).<br>"
    "Program a blank radio: <a href=\"super\">enter its regional super number</a>.</p>");

// WCAG's relative luminance and contrast ratio of two colours.
double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Black or white, whichever reads better on the background.
QColor textOn(const QColor& background) {
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                          : QColor(Qt::white);
}

// The link colour moved toward the text colour until it reads as well as
// normal text must (4.5:1); the text colour itself always does.
QColor linkOn(const QColor& background, const QColor& link, const QColor& text) {
    constexpr int kSteps = 10;
    for (int i = 0; i < kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const QColor c = QColor::fromRgbF(static_cast<float>(link.redF() + (text.redF() - link.redF()) * t),
                                          static_cast<float>(link.greenF() + (text.greenF() - link.greenF()) * t),
                                          static_cast<float>(link.blueF() + (text.blueF() - link.blueF()) * t));
        if (ContrastRatio(c, background) >= kReadableContrast) return c;
    }
    return text;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

EmptyHint::EmptyHint(QMdiArea& area, std::function<void()> enterSuperNumber)
    : QObject(&area), area_(area) {
    label_ = new QLabel(QCoreApplication::translate("vantrel::EmptyHint", kHint), area.viewport());
    label_->setObjectName("lblEmptyHint");
    label_->setAlignment(Qt::AlignCenter);
    label_->setTextFormat(Qt::RichText);
    label_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // The area's background is a mid grey in most styles: the text and the
    // link take colours that read on it.
    const QColor background = area.background().color();
    QPalette p = label_->palette();
    const QColor text = textOn(background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Link, linkOn(background, p.color(QPalette::Link), text));
    label_->setPalette(p);
    QObject::connect(label_, &QLabel::linkActivated, label_, [run = std::move(enterSuperNumber)] { run(); });
    area.viewport()->installEventFilter(this);
    place();
}

void EmptyHint::follow(QWidget& editorFrame) {
    editorFrame_ = &editorFrame;
    editorFrame.installEventFilter(this);
    label_->setVisible(editorFrame.isHidden());
    place();
}

void EmptyHint::place() {
    label_->adjustSize();
    const QRect r = label_->rect();
    label_->move(area_.viewport()->rect().center() - r.center());
}

bool EmptyHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_.viewport() && event->type() == QEvent::Resize) place();
    if (watched == editorFrame_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        label_->setVisible(editorFrame_->isHidden());
        place();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
