#pragma once
// The about box `frmAbout`. The main window is disabled while it shows and
// enabled again when it closes, by OK (`Command1`) or its close box.
#include <QDialog>

namespace vantrel {

// The release shown after "Version : ".
inline constexpr const char* kReleaseCode = "1.0.0";

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // mainWindow is disabled until the box closes.
    explicit frmAbout(QWidget* mainWindow);

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void enableMainWindow();
    QWidget* mainWindow_;
};

// Disables the main window and shows a new about box over it.
frmAbout* ShowAboutBox(QWidget* mainWindow);

}  // namespace vantrel
