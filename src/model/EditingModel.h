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
// The editor's windows display this state and forward the user's edits here;
// vantrelctl, `show`, the report and import run the same operations, so a file
// the editor would refuse or correct is refused or corrected the same way.
#include <array>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "channels/ChannelTexts.h"
#include "channels/UserTplCodec.h"
#include "codeplug/AppState.h"
#include "model/ChangeNotice.h"
#include "model/Messages.h"

namespace vantrel {

// The whole-image loads; they differ in the short-press lists and in the
// order of a few population steps.
enum class LoadKind { Read, FileOpen, CommandLine, SuperNumber };

// One cell of the channel grid: its text and whether it is greyed (a switch
// without effect in the channel's signalling).
struct GridCell {
    std::string text;
    bool grey = false;
    friend bool operator==(const GridCell& a, const GridCell& b) { return a.grey == b.grey && a.text == b.text; }
    friend bool operator!=(const GridCell& a, const GridCell& b) { return !(a == b); }
};

// What the editor shows beside the image. Plain data: copy it to keep it.
struct EditingCopies {
    // txtTPL_RxFrequency(0..2), txtTPL_TxFrequency(0..2).
    UserTplBoxes tpl;
    // txtPassword, txtSerial, txtSuper and whether each takes input.
    std::string password;
    std::string serial;
    std::string superNumber;
    bool passwordEnabled = true;
    bool serialEnabled = true;
    bool superEnabled = true;
    // txtPrioScanChNo and its up-down (value and range).
    std::string priorityText = "1";
    int priorityUpDown = 1;
    int priorityMax = 16;
    // Feature check boxes, indexed by Feature.
    std::array<bool, 6> features{};
    // Timing fields in kTimingFields order: the text box, the up-down's value
    // and its lower limit (the scan interval's moves with the loaded byte).
    std::array<std::string, 5> timingTexts{"100", "4000", "4000", "180", "5"};
    std::array<int, 5> timingUpDown{100, 4000, 4000, 180, 5};
    std::array<int, 5> timingMin{50, 500, 750, 10, 1};
    // Programmable buttons 1 and 2: the short-press list (full or without
    // "Hi/Low Power"; empty until the first build), the selected short- and
    // long-press positions (-1: none).
    std::array<std::vector<std::string>, 2> shortLists;
    std::array<int, 2> shortPosition{-1, -1};
    std::array<int, 2> longPosition{-1, -1};
    // LstChannel (channels outside the scan list) and LstScan, in list order.
    std::vector<int> channelList;
    std::vector<int> scanList;
    // The channel grid: rows 1..16, columns 1..13 (index 0 unused);
    // gridChannels is the channel count the grid was sized for (0 until then).
    std::array<std::array<GridCell, kChannelColumnCount>, bytemap::MaxChannels + 1> cells{};
    int gridChannels = 0;
    // CycleReverseBurst's step per channel (not loaded from the image).
    std::array<int, bytemap::MaxChannels> revBurstStep{};
    // The editor is locked while a protected codeplug waits for its password.
    bool locked = true;

    // Where the windows stand: the editor load has run, the tab shown
    // (0 radio configuration, 1 channels), the rows the grid has.
    bool editorLoaded = false;
    int tab = 0;
    int gridRows = 0;
    // The short-press position each long-press list was built for (-1: none).
    std::array<int, 2> longBasis{-1, -1};
    // Labels of the "Radio Information" frame.
    std::string modelLabel;
    std::string rangeLabel;
    std::string firmwareLabel;
    std::string codeplugLabel;
};

enum class Feature { TalkbackScan, BatterySave, Tot, PriorityScan, NormalScan, QuickKey };

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

// Result of an edit: the messages shown and whether the edit was taken.
struct EditResult {
    Messages messages;
    bool ok = true;
};

class EditingModel {
public:
    explicit EditingModel(AppState& state) : state_(state) {}

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

    // ---- Channel edits -----------------------------------------------------
    // Columns are ChannelColumn values; channel is 1..ChannelCount.
    //
    // Applies a typed cell text to a channel: a frequency column commits it as
    // Enter would (an empty text deletes the frequency); a switch column steps
    // its cell editor until the cell shows the text, and refuses a text the
    // column cannot show or a greyed switch; a signalling column takes the
    // grid text of a signalling choice (" TPL: 67.0 Hz", "CSQ", "DPL 023",
    // "IDPL: 023", "TPL2"; blanks around it do not matter). ok is false when
    // the cell does not end up showing the text.
    EditResult SetCellText(int channel, int column, std::string_view text);
    // The commit of the in-cell editor's text (CommitRxFrequency /
    // CommitTxFrequency).
    // status, when given, receives what the codec made of the text (the
    // in-cell editor hides on some refusals).
    EditResult CommitFrequency(int channel, Side side, std::string_view text, FrequencyStatus* status = nullptr);
    // The Delete key on a channel row (any column): refused on the priority
    // channel while priority scan is ticked, otherwise deletes the column's
    // frequency when the column is a frequency column.
    EditResult DeleteKey(int channel, int column);
    // One step of a switch cell (double-click or Enter): ToggleSquelch,
    // CycleMute, TogglePower, ToggleTurnOffCode, ToggleRxOnly,
    // CycleReverseBurst, ToggleBclo, ToggleBandwidth, ToggleTalkaround.
    EditResult StepSwitch(int channel, int column);
    // The tone dialog's choice for one side: a signalling code (0 CSQ, 1..42
    // TPL, 43..127 DPL, 128..130 TPL1..3), inverted for an IDPL code.
    EditResult ChooseSignal(int channel, Side side, int code, bool inverted = false);
    // The lock while a protected codeplug waits for its password (locking
    // runs the editor load first), and the unlock.
    void LockEditor();
    void UnlockEditor();
    // What the Read command does after an exchange that failed: the data
    // count as changed, the serial number cannot be written.
    void ReadFailed();

    // Selecting a tab of the editor (1 runs TrimChannels).
    void SelectTab(int tab);
    void TrimChannels();

    // ---- Scan list ---------------------------------------------------------
    EditResult AddToScanList(int channel);       // "Add >>" with channel selected
    EditResult RemoveFromScanList(int channel);  // "<< Remove" with channel selected
    // A new text in the priority channel box (typing, arrows, up-down).
    EditResult SetPriorityText(const std::string& text);

    // ---- Radio-wide settings -------------------------------------------------
    EditResult SetFeature(Feature f, bool on);
    // A new text in a timing field (index in kTimingFields order).
    EditResult SetTimingText(int field, const std::string& text);
    // The timing field's gestures one by one, as the editor's box and up-down
    // receive them: a new text while typing (the change handler), leaving
    // the box (a text that is not the stored value shows it again), the
    // up-down moved to a value, an arrow key in the box.
    EditResult TypeTimingText(int field, const std::string& text);
    EditResult LeaveTimingField(int field);
    EditResult MoveTimingUpDown(int field, int value);
    EditResult ArrowTimingKey(int field, bool up);
    // The user's choice in a button list (button 0 or 1, list position).
    EditResult ChooseShortPress(int button, int position);
    EditResult ChooseLongPress(int button, int position);

    // ---- Factory fields and user TPL boxes -----------------------------------
    // A new text in a user TPL box (the change handler: refused texts empty it).
    EditResult SetUserTplText(Side side, int i, const std::string& text);
    // Enter in a user TPL box / leaving it: reformat and encode.
    EditResult CommitUserTpl(Side side, int i);
    // Leaving a user TPL box: an empty box is refused (the first tab shows
    // it); a text that reads as a frequency is reformatted and encoded, any
    // other is left alone.
    EditResult LeaveUserTpl(Side side, int i);
    EditResult SetPassword(const std::string& text);
    // The unlock prompt accepted the codeplug's password: the editor opens and
    // the password box holds the stored password.
    void UnlockProtected();
    // Typing in the serial-number and super-number boxes before Enter: the
    // text is kept as typed (a save takes a serial number from its box).
    void TypeSerialText(const std::string& text) { copies_.serial = text; }
    void TypeSuperText(const std::string& text) { copies_.superNumber = text; }
    // Serial-number entry with the question's answer.
    EditResult EnterSerialNumber(const std::string& typed, bool confirmed);
    // The same with the question asked only when the number can be stored.
    EditResult EnterSerialNumber(const std::string& typed, const std::function<bool()>& confirm);

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
    void StorePassword();
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
    bool priorityScanTicked() const { return feature(Feature::PriorityScan); }
    bool feature(Feature f) const { return copies_.features[static_cast<std::size_t>(f)]; }
    const GridCell& cell(int channel, int column) const;

private:
    // Population steps and the handlers they set off, as the windows run them.
    void applyBandLimits();
    void showPriorityChannel();
    void showVersions();
    void showModelNumber();
    void sizeChannelGrid();
    void sizeRows();
    void showRadioInfo();
    void buildShortPressLists(bool full);
    void showButtonCodes();
    void selectShort(int button, int position);
    void selectLong(int button, int position);
    void shortChanged(int button);
    void longChanged(int button);
    void showUserTpl();
    void resetScanLists();
    void showScanList();
    void showSerialNumber();
    void showSuperNumber();
    void showFeatureOptions();
    void setChecked(Feature f, bool on);
    void featureClicked(Feature f, bool on);
    void prioScanClicked(bool on, Messages& out);
    bool priorityChannelEmpty() const;
    bool loadTiming(int field);
    void keepTimingInRange();
    void loadTimeOptions(Messages& out);
    void showTimeOptions();
    void setTimingText(int field, const std::string& text);
    void showChannelGrid();
    void shadeChannelGrid();
    void greyChannelGrid();
    // The priority box: its text (change handler when it differs), the
    // up-down (clamped to its range; valueChanged when it moves).
    void setPriorityBox(const std::string& text);
    void setPriorityUpDown(int value, bool quiet);
    void setPriorityMaximum(int max);
    void priorityChanged();
    bool storePriorityText();
    // A user TPL box's text (change handler when it differs).
    void setTplBox(Side side, int i, const std::string& text);
    bool encodeUserTpl(Side side, int i, Messages& out);
    bool allTplFilled() const;
    bool isPriorityRow(int row) const;
    void setCell(int row, int column, const std::string& text);
    void setGrey(int row, int column, bool grey);
    void updateTalkaround(int row);
    void moveToChannelList(int channel);
    void setMember(int channel, bool member);
    bool checkPriorityChannel(Messages& out);
    bool checkUserTplFrequencies(Messages& out);

    AppState& state_;
    EditingCopies copies_;
    // The copies as the last change notice left them.
    EditingCopies reported_;
    // Messages raised by handlers deep in a step; each operation takes them.
    Messages pending_;
    bool clearingTpl_ = false;
    bool restoringTiming_ = false;
    bool suppressButtonWrite_ = false;
    std::array<bool, 5> programmaticUpDown_{};
    Messages take();
};

}  // namespace vantrel
