#include "gui/shell/EmptyHint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>

#include "gui/common/Contrast.h"

namespace vantrel {

namespace {

const char* const kHint = QT_TRANSLATE_NOOP(
    "vantrel::EmptyHint",
    "<p><b>Nothing is loaded yet.</b></p>"
    "<p>Read a radio: <b>Device &gt; Read</b> (Ctrl+R).<br>"
    "Open a data file: <b>File &gt; Open..</b> (Ctrl+O).<br>"
    "Program a blank radio: <a href=\"super\">enter its regional super number</a>.</p>");

}  // namespace

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
    p.setColor(QPalette::WindowText, TextOn(background));
    p.setColor(QPalette::Link, ReadableOn(background, p.color(QPalette::Link)));
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
