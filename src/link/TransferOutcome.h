#pragma once

namespace vantrel::link {

// How a read or write exchange ended. The status text has already been shown
// through the observer, except after an abort (the dialog is gone by then).
enum class TransferOutcome {
    Success,
    OpeningFailed,      // before the data phase: the dialog's focus goes to Cancel
    TransferFailed,     // in the data phase
    Aborted,            // the dialog was closed; nothing further is shown
    PasswordAbandoned,  // the write password prompt was cancelled or failed
    AppClosing,         // the application closed during the password prompt
    InDoubt,            // every block went out, but an answer did not come alone:
                        // the radio may not hold what was sent
};

inline const char* OutcomeName(TransferOutcome outcome) {
    constexpr const char* kNames[] = {"success", "failed before the data phase",
                                      "failed in the data phase", "aborted",
                                      "password not given", "application closing",
                                      "ended in doubt"};
    return kNames[static_cast<int>(outcome)];
}

}  // namespace vantrel::link
