#pragma once
// The hint in the main window's empty area before anything is loaded: read a
// radio, open a data file, or enter the super number of a blank radio. It
// shows while the editor window is hidden and goes when the editor shows.
#include <QObject>
#include <functional>

class QLabel;
class QMdiArea;
class QWidget;

class QColor;

namespace vantrel {

// Text that must be read needs this contrast against its background.
constexpr double kReadableContrast = 4.5;
// The contrast ratio of two colours, 1 to 21, as accessibility guidelines
// measure it.
double ContrastRatio(const QColor& a, const QColor& b);

class EmptyHint : public QObject {
public:
    // `enterSuperNumber` shows the editor ready for a super number. The hint
    // shows until it follows an editor window that shows.
    EmptyHint(QMdiArea& area, std::function<void()> enterSuperNumber);
    void follow(QWidget& editorFrame);

    QLabel* label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QMdiArea& area_;
    QWidget* editorFrame_ = nullptr;
    QLabel* label_;
};

}  // namespace vantrel
