#pragma once
// The editor without its windows: the codeplug image (in AppState) plus the
// editing copies the editor keeps beside it (the six user TPL boxes, the
// password, serial and super-number boxes, the priority channel box, the
// feature check boxes, the timing fields, the button lists, the scan lists and
// the channel grid's cell texts), with one operation for every whole-image
// load, every edit, the checks before a write or a save and the preparation of
// the image for them.
//
// Every operation returns the messages the user is shown, in order, as data;
// the editor shows them, vantrelctl prints them. An operation never asks a
// question: where the editor asks one (the serial and super-number entries),
// the caller passes the answer in.
//
// The rules live in one part per concern (ModelPart and its kinds: the grid's
// cells, the scan list, the priority box, the feature boxes, the timing
// fields, the programmable buttons, the user TPL boxes, the factory fields);
// this class owns them, runs the loads and population sequences across them
// in their binding order, and is the one door the windows and vantrelctl use.
//
// The editor's windows display this state and forward the user's edits here;
// vantrelctl, `show`, the report and import run the same operations, so a file
// the editor would refuse or correct is refused or corrected the same way.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/FrequencyCodec.h"
#include "codeplug/AppState.h"
#include "model/ChangeNotice.h"
#include "model/EditingCopies.h"
#include "model/FactoryEntry.h"
#include "model/FeatureOptions.h"
#include "model/GridCells.h"
#include "model/Messages.h"
#include "model/PriorityBox.h"
#include "model/ProgrammableButtons.h"
#include "model/ScanMembership.h"
#include "model/TimingFields.h"
#include "model/UserTplEntry.h"

namespace vantrel {

// The two checks before a write or a save, as rules on the boxes' texts.
// The first user TPL box, in the order receive 1, transmit 1, receive 2, ...,
// whose value (leading number, empty = 0) is below 67 Hz; none when all pass.
std::optional<UserTplBox> FirstUserTplBelowMinimum(const UserTplBoxes& boxes);
// The priority box names a channel of the list of channels outside the scan
// list; the position after the last entry reads as 0, so 0 and an empty box
// fail too.
bool PriorityOutsideScanList(const std::string& priorityText, const std::vector<int>& channelList);

// The Write command's image changes: byte 349 by the codeplug-version rule,
// bytes 11 and 12; returns the codeplug version text the editor then shows.
std::string PrepareImageForWrite(CodeplugImage& image);

class EditingModel {
public:
    explicit EditingModel(AppState& state) : state_(state) {}
    EditingModel(const EditingModel&) = delete;
    EditingModel& operator=(const EditingModel&) = delete;

    AppState& state() { return state_; }
    const AppState& state() const { return state_; }
    CodeplugImage& image() { return state_.image; }
    const CodeplugImage& image() const { return state_.image; }
    EditingCopies& copies() { return copies_; }
    const EditingCopies& copies() const { return copies_; }

    // Everything an undo needs to put the editor back.
    struct Snapshot {
        AppState state;
        EditingCopies copies;
    };
    Snapshot snapshot() const { return {state_, copies_}; }
    void restore(const Snapshot& s) {
        state_ = s.state;
        copies_ = s.copies;
    }

    // What changed in the editing copies since the last call: the windows
    // repaint those sections and rows.
    ChangeNotice TakeChanges() { return Compare(reported_, copies_); }

    // A key or a click that edits a box marks the data changed before the
    // edit itself arrives.
    void Touch() { state_.dataChanged = true; }

    // ---- Whole-image loads -------------------------------------------------
    // The editor load at start-up: the image's start-up bytes and a locked,
    // empty editor.
    Messages LoadEditor();
    // Read, File Open, the command-line file: the bytes replace the image,
    // then the population and the load's own tail (loading mark, dataChanged,
    // serial box, byte 378 after a read).
    Messages LoadImage(LoadKind kind, const CodeplugImage::Bytes& bytes);
    // File Open / command-line file from disk: a file that cannot be read is
    // refused with the editor's message and changes nothing.
    Messages OpenDataFile(LoadKind kind, const std::string& path);
    // Super-number entry after the "Enter Current Regional ... ?" question was
    // answered Yes: an unknown number is refused, a known one loads the
    // model's default data file from dataFolder and populates.
    Messages EnterSuperNumber(const std::string& typed, const std::string& dataFolder);
    // The whole entry: the text reaches the image, then confirm() is the
    // answer to the question; No empties the box.
    Messages EnterSuperNumber(const std::string& typed, const std::function<bool()>& confirm,
                              const std::string& dataFolder);
    // The Default command.
    Messages Default();
    // The population of the editor from the image (the common sequence).
    Messages PopulateEditor(LoadKind kind);
    // The lock while a protected codeplug waits for its password (locking
    // runs the editor load first), and the unlock.
    void LockEditor();
    void UnlockEditor();
    // The unlock prompt accepted the codeplug's password: the editor opens and
    // the password box holds the stored password.
    void UnlockProtected();
    // What the Read command does after an exchange that failed: the data
    // count as changed, the serial number cannot be written.
    void ReadFailed();
    // Selecting a tab of the editor (1 runs TrimChannels).
    void SelectTab(int tab);

    // ---- Channel edits (GridCells) ----------------------------------------
    // Columns are ChannelColumn values; channel is 1..ChannelCount.
    //
    // Applies a typed cell text to a channel: a frequency column commits it as
    // Enter would (an empty text deletes the frequency); a switch column steps
    // its cell editor until the cell shows the text, and refuses a text the
    // column cannot show or a greyed switch; a signalling column takes the
    // grid text of a signalling choice (" TPL: 67.0 Hz", "CSQ", "DPL 023",
    // "IDPL: 023", "TPL2"; blanks around it do not matter). ok is false when
    // the cell does not end up showing the text.
    EditResult SetCellText(int channel, int column, std::string_view text) {
        return grid_.SetCellText(channel, column, text);
    }
    // The commit of the in-cell editor's text. status, when given, receives
    // what the codec made of the text (the in-cell editor hides on some
    // refusals).
    EditResult CommitFrequency(int channel, Side side, std::string_view text, FrequencyStatus* status = nullptr) {
        return grid_.CommitFrequency(channel, side, text, status);
    }
    // The Delete key on a channel row (any column): refused on the priority
    // channel while priority scan is ticked, otherwise deletes the column's
    // frequency when the column is a frequency column.
    EditResult DeleteKey(int channel, int column) { return grid_.DeleteKey(channel, column); }
    // One step of a switch cell (double-click or Enter): squelch, mute,
    // power, turn-off code, Rx only, reverse burst, BCLO, bandwidth,
    // talkaround.
    EditResult StepSwitch(int channel, int column) { return grid_.StepSwitch(channel, column); }
    // The tone dialog's choice for one side: a signalling code (0 CSQ, 1..42
    // TPL, 43..127 DPL, 128..130 TPL1..3), inverted for an IDPL code.
    EditResult ChooseSignal(int channel, Side side, int code, bool inverted = false) {
        return grid_.ChooseSignal(channel, side, code, inverted);
    }
    void TrimChannels() { grid_.TrimChannels(); }

    // ---- Scan list (ScanMembership, PriorityBox) ----------------------------
    EditResult AddToScanList(int channel) { return scan_.AddToScanList(channel); }
    EditResult RemoveFromScanList(int channel) { return scan_.RemoveFromScanList(channel); }
    // A new text in the priority channel box (typing, arrows, up-down).
    EditResult SetPriorityText(const std::string& text) { return priority_.SetPriorityText(text); }

    // ---- Radio-wide settings (FeatureOptions, TimingFields, buttons) --------
    EditResult SetFeature(Feature f, bool on) { return features_.SetFeature(f, on); }
    // A new text in a timing field (index in kTimingFields order).
    EditResult SetTimingText(int field, const std::string& text) { return timing_.SetTimingText(field, text); }
    // The timing field's gestures one by one, as the editor's box and up-down
    // receive them: a new text while typing (the change handler), leaving
    // the box (a text that is not the stored value shows it again), the
    // up-down moved to a value, an arrow key in the box.
    EditResult TypeTimingText(int field, const std::string& text) { return timing_.TypeTimingText(field, text); }
    EditResult LeaveTimingField(int field) { return timing_.LeaveTimingField(field); }
    EditResult MoveTimingUpDown(int field, int value) { return timing_.MoveTimingUpDown(field, value); }
    EditResult ArrowTimingKey(int field, bool up) { return timing_.ArrowTimingKey(field, up); }
    // The user's choice in a button list (button 0 or 1, list position).
    EditResult ChooseShortPress(int button, int position) { return buttons_.ChooseShortPress(button, position); }
    EditResult ChooseLongPress(int button, int position) { return buttons_.ChooseLongPress(button, position); }

    // ---- Factory fields and user TPL boxes (FactoryEntry, UserTplEntry) -----
    // A new text in a user TPL box (the change handler: refused texts empty it).
    EditResult SetUserTplText(Side side, int i, const std::string& text) { return tpl_.SetUserTplText(side, i, text); }
    // Enter in a user TPL box: reformat and encode.
    EditResult CommitUserTpl(Side side, int i) { return tpl_.CommitUserTpl(side, i); }
    // Leaving a user TPL box: an empty box is refused (the first tab shows
    // it); a text that reads as a frequency is reformatted and encoded, any
    // other is left alone.
    EditResult LeaveUserTpl(Side side, int i) { return tpl_.LeaveUserTpl(side, i); }
    EditResult SetPassword(const std::string& text) { return factory_.SetPassword(text); }
    // Typing in the serial-number and super-number boxes before Enter: the
    // text is kept as typed (a save takes a serial number from its box).
    void TypeSerialText(const std::string& text) { copies_.serial = text; }
    void TypeSuperText(const std::string& text) { copies_.superNumber = text; }
    // Serial-number entry with the question's answer.
    EditResult EnterSerialNumber(const std::string& typed, bool confirmed) {
        return factory_.EnterSerialNumber(typed, [confirmed] { return confirmed; });
    }
    // The same with the question asked only when the number can be stored.
    EditResult EnterSerialNumber(const std::string& typed, const std::function<bool()>& confirm) {
        return factory_.EnterSerialNumber(typed, confirm);
    }

    // ---- Before the image leaves the program --------------------------------
    // The Write command's checks: the priority channel (when priority scan is
    // ticked), then the six user TPL boxes. A failing box is emptied.
    EditResult CheckBeforeWrite();
    // The Save command's checks: the six boxes, then the priority channel.
    EditResult CheckBeforeSave();
    // The two checks on their own (the Save command runs its toolbar check
    // between them): the six boxes, and the priority channel while priority
    // scan is ticked.
    EditResult CheckUserTplBoxes();
    EditResult CheckPriorityScanChannel();
    // The Write command's image changes (byte 349, bytes 11 and 12).
    void PrepareForWrite();
    // The write exchange's editor steps: the password box into the image
    // (passwordKept cleared first by the exchange), and the user tones.
    void StorePassword() { factory_.StorePassword(); }
    Messages EncodeUserTones();
    // The save's editor steps: the password box (kept while the box is
    // disabled) and the user tones from their boxes.
    void PrepareForSave();
    // PrepareForSave, then the data file (bytes 11, 12 and 378 and a blank
    // serial number from its box on the way); an error text, empty on success.
    std::string SaveToFile(const std::string& path);

    // ---- What the editor shows ------------------------------------------------
    // The channel count the editor works with (byte 2).
    int channelCount() const;
    bool priorityScanTicked() const { return features_.priorityScanTicked(); }
    bool feature(Feature f) const { return features_.feature(f); }
    const GridCell& cell(int channel, int column) const { return grid_.cell(channel, column); }

private:
    // Identity steps of the population.
    void applyBandLimits();
    void showVersions();
    void showModelNumber();
    void showRadioInfo();
    bool checkPriorityChannel(Messages& out);
    bool checkUserTplFrequencies(Messages& out);
    Messages take();

    AppState& state_;
    EditingCopies copies_;
    // The copies as the last change notice left them.
    EditingCopies reported_;
    // Messages raised by handlers deep in a step; each operation takes them.
    Messages pending_;
    // The parts, each on the same state; later ones call earlier ones.
    PriorityBox priority_{state_, copies_, pending_};
    FeatureOptions features_{state_, copies_, pending_, priority_};
    TimingFields timing_{state_, copies_, pending_};
    ProgrammableButtons buttons_{state_, copies_, pending_};
    UserTplEntry tpl_{state_, copies_, pending_};
    ScanMembership scan_{state_, copies_, pending_};
    GridCells grid_{state_, copies_, pending_, priority_, scan_};
    FactoryEntry factory_{state_, copies_, pending_};
};

}  // namespace vantrel
