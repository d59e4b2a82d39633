#pragma once
// `frmChannelToneOption`, "Channel Tone Option": chooses the receive or the
// transmit signalling of one channel. Seven option buttons pick the kind;
// TPL shows the 42 tones, DPL and IDPL the 85 codes, each in a box of its
// own. The window is modeless, but the main window is disabled while it is
// open, so it acts as a modal choice.
#include <QWidget>
#include <array>

#include "channels/ChannelRecord.h"
#include "channels/ToneTables.h"
#include "gui/codeplug/EditorContext.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vantrel {

class ChannelGrid;

class frmChannelToneOption : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOptions = 7;     // CSQ, DPL, TPL, IDPL, TPL1, TPL2, TPL3
    static constexpr int kToneBoxes = 45;  // 5 x 9, the last three empty
    static constexpr int kCodeBoxes = 88;  // 8 x 11, the last three empty

    frmChannelToneOption(EditorContext& ctx, ChannelGrid& grid, QWidget* owner);

    // Opens the dialog on one side of the channel in that grid row.
    void open(int row, Side side);

    int toneChannel() const { return toneChannel_; }  // row - 1
    bool toneSideTx() const { return toneSideTx_; }

    QRadioButton* option(int i) const { return optChOption_[i]; }
    QLineEdit* toneBox(int i) const { return txtToneData_[i]; }
    QLineEdit* codeBox(int i) const { return txtDcsData_[i]; }
    QGroupBox* toneFrame() const { return fraToneData_; }
    QGroupBox* codeFrame() const { return fraDcsData_; }

    // The choices, as a mouse-up or Enter on an option button and a click or
    // Enter in a table box make them.
    void chooseOption(int i, bool byMouse);
    void chooseTone(int i);
    void chooseCode(int i);
    void cancel();  // Esc

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Table { None, Tpl, Dpl };
    void showTable(Table table);
    // The choice goes to the editing model, which stores the code and sets
    // the channel's other cells; the dialog then closes.
    void choose(int code, bool inverted, bool byMouse);
    void finish(bool byMouse);
    void enableWindows();
    int row() const { return toneChannel_ + 1; }
    Side side() const { return toneSideTx_ ? Side::Tx : Side::Rx; }

    EditorContext& ctx_;
    ChannelGrid& grid_;
    QWidget* owner_;
    int toneChannel_ = 0;
    bool toneSideTx_ = false;
    int releasedOption_ = -1;  // the option button a mouse-up is releasing

    std::array<QRadioButton*, kOptions> optChOption_{};
    QGroupBox* fraToneData_ = nullptr;
    QGroupBox* fraDcsData_ = nullptr;
    std::array<QLineEdit*, kToneBoxes> txtToneData_{};
    std::array<QLineEdit*, kCodeBoxes> txtDcsData_{};
};

}  // namespace vantrel
