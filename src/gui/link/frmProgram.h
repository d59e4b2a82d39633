#pragma once
// `frmProgram`, the read/write dialog ("Program"): instructions, the Read or
// the Write button, Cancel, a progress bar over the 384 image bytes, a status
// line and a green (read) or red (write) activity indicator. The transfers
// themselves are run by the handlers the owner puts into onRead / onWrite.
//
// Closing the dialog in any way (close box, Cancel, Esc on the transfer
// button, the end of a successful transfer) aborts a transfer in progress: the
// link's waits end at once and the exchange stops at its next error check.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "codeplug/AppState.h"
#include "link/LinkObserver.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantrel {

namespace link {
class Link;
}

class frmProgram : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Read, Write };

    frmProgram(AppState& state, link::Link& link, QWidget* mainWindow, QWidget* editorWindow);

    QPushButton* cmdRead() const { return cmdRead_; }
    QPushButton* cmdWrite() const { return cmdWrite_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    QProgressBar* pgrProgram() const { return pgrProgram_; }
    QLabel* lblProgramHelp() const { return lblProgramHelp_; }
    QLabel* lblProgram() const { return lblProgram_; }
    QLabel* lblGreenLED() const { return lblGreenLED_; }
    QLabel* lblRedLED() const { return lblRedLED_; }
    // "Verify after write", shown for a write.
    QCheckBox* chkVerify() const { return chkVerify_; }

    // Shows the dialog ready for a read or a write: its texts, progress 0,
    // the command's button (enabled, with the focus) and indicator.
    void Open(Mode mode);
    // Notes the editor's control that has the focus, for Cancel to give it
    // back: disabling the main window while the dialog shows forgets it.
    void keepEditorFocus();
    bool isOpen() const { return isVisible(); }
    // The dialog's unload: aborts a transfer, resets progress and
    // indicators, enables the main window, closes the tone option window and
    // the write prompt, and hides the dialog.
    void unload();

    void setStatus(const QString& text);
    void setProgress(int value);
    void paintIndicator(link::Indicator which, bool bright);
    // The colour an indicator shows (0xRRGGBB).
    unsigned indicatorColor(link::Indicator which) const;
    // Cancel taking part in the Tab-key order or not.
    void setCancelInTabOrder(bool on);

    // The transfers, run when Read / Write is pressed.
    std::function<void()> onRead = [] {};
    std::function<void()> onWrite = [] {};
    // Asked when Read or Write is pressed: whether the port is usable (it is
    // reopened when its device went away). A false answer has already told
    // the user why, and no transfer starts.
    std::function<bool()> portReady = [] { return true; };
    // Closes the windows that go with the dialog (tone options, write prompt).
    std::function<void()> closeCompanions = [] {};
    // The hint panel of the editor's status bar.
    std::function<void(const QString&)> setStatusText = [](const QString&) {};
    // What the status bar says while the pointer is over a button (empty for
    // other controls).
    QString hintOf(const QObject* control) const;

    // Handlers.
    void cmdClose_Click();
    // Esc on the Read or the Write button.
    void escapePressed();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    static QString instructions(bool write);
    // Until the exchange reports its first status or paints the indicator,
    // the program is waiting for the radio: the status says so and the
    // indicator blinks, so a silent radio does not look like a hung program.
    void runTransfer(const std::function<void()>& transfer);
    void stopWaiting();
    void paint(link::Indicator which, bool bright);

    AppState& state_;
    link::Link& link_;
    QWidget* mainWindow_;
    QWidget* editorWindow_;
    QPointer<QWidget> editorFocus_;
    Mode mode_ = Mode::Read;
    bool unloading_ = false;
    QTimer waitBlink_;
    bool waitPhase_ = true;

    QPushButton* cmdRead_;
    QPushButton* cmdWrite_;
    QPushButton* cmdClose_;
    QProgressBar* pgrProgram_;
    QLabel* lblProgramHelp_;
    QLabel* lblProgram_;
    QLabel* lblGreenLED_;
    QLabel* lblRedLED_;
    QCheckBox* chkVerify_;
};

}  // namespace vantrel
