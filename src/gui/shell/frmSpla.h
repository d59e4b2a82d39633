#pragma once
// The splash window `frmSpla`: the product logo and the OK button
// `cmdPassOk` that starts the application.
#include <QDialog>
#include <functional>

namespace vantrel {

class frmSpla : public QDialog {
    Q_OBJECT
public:
    explicit frmSpla(QWidget* parent = nullptr);
    // Runs after the splash has closed itself.
    std::function<void()> onOk = [] {};
};

}  // namespace vantrel
