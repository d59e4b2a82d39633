#pragma once
// The hint in the main window's empty area before anything is loaded: read a
// radio, open a data file, or enter the super number of a blank radio. It
// shows while the editor window is hidden and goes when the editor shows.
#include <QObject>
#include <functional>

#include "gui/common/Contrast.h"  // the hint's colours read on the area

class QLabel;
class QMdiArea;
class QWidget;

namespace vantrel {

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
