#pragma once
// The edits a user makes to one channel in the editor, as one narrow
// interface: a frequency typed into its cell and committed, a choice in the
// tone option dialog, a switch cell stepped to a text, and Add or Remove in
// the scan list. Everything that changes channels from outside the grid (an
// imported channel list) goes through it, so it meets the editor's rules.
#include <optional>
#include <string_view>

#include "channels/ChannelMessages.h"
#include "channels/ChannelOptions.h"
#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"

namespace vantrel {

class ChannelEdits {
public:
    virtual ~ChannelEdits() = default;

    // A frequency text committed in the receive or transmit cell of channel n
    // (an empty text deletes the frequency). Empty when it was stored, else
    // the refusal the editor shows; a refusal changes nothing.
    virtual std::optional<Notice> commitFrequency(int n, Side side, std::string_view text) = 0;
    // A signalling code (0..130) chosen for one side in the tone option
    // dialog; `inverted` for an IDPL code.
    virtual void chooseSignal(int n, Side side, int code, bool inverted) = 0;
    // A switch cell stepped until it shows `text` ("12.5", "On", "L", ...).
    virtual void setSwitch(int n, ChannelOption option, std::string_view text) = 0;
    // Add (member) or Remove in the scan list; empty when done, else the refusal.
    virtual std::optional<Notice> setScanMember(int n, bool member) = 0;
};

// The edits applied to the image with the grid's, the tone dialog's and the
// scan list's rules: the talkaround rule after every stored frequency and
// signalling choice, the tone dialog's side rules, the priority channel's
// protection while priority scan is enabled, and `dataChanged`.
class ImageChannelEdits : public ChannelEdits {
public:
    explicit ImageChannelEdits(AppState& state) : state_(state) {}

    std::optional<Notice> commitFrequency(int n, Side side, std::string_view text) override;
    void chooseSignal(int n, Side side, int code, bool inverted) override;
    void setSwitch(int n, ChannelOption option, std::string_view text) override;
    std::optional<Notice> setScanMember(int n, bool member) override;

private:
    bool isPriorityChannel(int n) const;
    void updateTalkaround(int n);

    AppState& state_;
};

// Whether "Priority Scan Enable" is ticked in the image (bit 1 of byte 5).
bool PriorityScanEnabled(const CodeplugImage& image);

// Scan slot and mask of channel n together.
void SetScanMembership(CodeplugImage& image, int n, bool member);

}  // namespace vantrel
