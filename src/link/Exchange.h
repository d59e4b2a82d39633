#pragma once
// What the read and the write share around their message sequences.
#include <string>
#include <utility>

#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/ProtocolBytes.h"
#include "link/TransferOutcome.h"

namespace vantrel::link {

// Runs one exchange ("read", "write") with the radio, the observer attached
// for its length.
template <typename Exchange>
TransferOutcome RunExchange(Link& link, LinkObserver& observer, const std::string& name,
                            Exchange&& exchange) {
    link.setObserver(&observer);
    link.BeginTransfer();
    link.device().note(name + " begins");
    const TransferOutcome outcome = std::forward<Exchange>(exchange)();
    link.device().note(name + " ends: " + OutcomeName(outcome));
    link.setObserver(nullptr);
    return outcome;
}

// A failure before the block phase: optionally says "F" to the radio, shows
// the status text and leaves the exchange's indicator pale. After an abort
// nothing more goes to the radio and no text is shown.
inline TransferOutcome FailOpening(Link& link, LinkObserver& observer, Indicator indicator,
                                   const char* text, bool sendReject) {
    if (link.aborted()) return TransferOutcome::Aborted;
    if (sendReject) link.SendByte(kReject);
    observer.status(text);
    observer.indicator(indicator, false);
    return TransferOutcome::OpeningFailed;
}

}  // namespace vantrel::link
