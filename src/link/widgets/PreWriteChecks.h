#pragma once
// The two data checks that run before the image leaves the program (Write and
// Save): the user-defined TPL frequencies and the priority channel. They read
// the editor's boxes, since those hold what the user typed even when the image
// was not written from them (an out-of-range entry is refused there).
#include <array>

#include "shell/widgets/Prompts.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QWidget;

namespace vantrel {

// The editor controls the checks look at.
struct PreWriteControls {
    std::array<QLineEdit*, 3> tplRx{};  // txtTPL_RxFrequency(0..2)
    std::array<QLineEdit*, 3> tplTx{};  // txtTPL_TxFrequency(0..2)
    QCheckBox* prioScanEnable = nullptr;  // chkPrioScanEnable
    QLineEdit* prioScanChNo = nullptr;    // txtPrioScanChNo
    QListWidget* lstChannel = nullptr;    // LstChannel: channels outside the scan list
    QTabWidget* sstMain = nullptr;        // the editor's tab control

    // Finds the controls below `editor` by their object names. The user-TPL
    // boxes are named "txtTPL_RxFrequency" / "txtTPL_TxFrequency" with their
    // index in the dynamic property "index" (0..2), or "txtTPL_RxFrequency_0"
    // style names. Missing controls stay null.
    static PreWriteControls find(QWidget* editor);
};

// The six boxes in the order receive 1, transmit 1, ... transmit 3: the first
// one whose value is below 67 Hz (an empty box reads as 0) gets "Invalid
// Frequency", is emptied, and the check fails.
bool CheckUserTplFrequencies(const PreWriteControls& c, Prompts& prompts);

// Fails when the priority channel number is one of the channels outside the
// scan list, or 0 / empty (the entry after the last reads as 0); shows the
// error and switches the editor to its first tab. Only meaningful with
// priority scan enabled: callers test chkPrioScanEnable.
bool CheckPriorityChannel(const PreWriteControls& c, Prompts& prompts);

// Whether the Priority Scan Enable box is ticked.
bool PriorityScanEnabled(const PreWriteControls& c);

}  // namespace vantrel
