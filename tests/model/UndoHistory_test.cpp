// Undo and redo over every kind of user action: each step back or forward
// gives the exact image, editing copies and dataChanged of that moment.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

#include "codeplug/TimeOptions.h"
#include "model/ChannelPaste.h"
#include "model/OpenedModel.h"
#include "model/UndoHistory.h"

namespace vantrel {
namespace {

using testing::OpenedModel;
using testing::ShippedBytes;

struct Moment {
    CodeplugImage image;
    bool dataChanged;
    std::string rxCell, tplBox, priority, timing;
    std::vector<int> scanList;
};

Moment now(const EditingModel& m) {
    return {m.image(), m.state().dataChanged, m.cell(1, kColRxFrequency).text, m.copies().tpl.rx[0],
            m.copies().priorityText, m.copies().timingTexts[kTot], m.copies().scanList};
}

void expectAt(const EditingModel& m, const Moment& want, const std::string& where) {
    const Moment got = now(m);
    EXPECT_EQ(got.image, want.image) << where;
    EXPECT_EQ(got.dataChanged, want.dataChanged) << where;
    EXPECT_EQ(got.rxCell, want.rxCell) << where;
    EXPECT_EQ(got.tplBox, want.tplBox) << where;
    EXPECT_EQ(got.priority, want.priority) << where;
    EXPECT_EQ(got.timing, want.timing) << where;
    EXPECT_EQ(got.scanList, want.scanList) << where;
}

std::string tempFile(const char* stem) {
    return (std::filesystem::temp_directory_path() / (stem + std::to_string(getpid()) + ".cpg")).string();
}

TEST(UndoHistory, EveryActionUndoesAndRedoesExactly) {
    // Started from the command line: the data equal the file, dataChanged is clear.
    OpenedModel o("U2_NAG.cpg", LoadKind::CommandLine);
    EditingModel& m = o.model;
    ASSERT_FALSE(o.state.dataChanged);
    const std::string saved = tempFile("vantrel_undo_save_");
    struct Action {
        const char* name;
        std::function<void()> run;
        // A save amends the present step; an opened file is a step that
        // counts as saved (nothing to save until the user changes something).
        enum { Step, Save, NoChange, Opened } kind = Step;
    };
    const std::vector<Action> actions = {
        {"committed cell", [&] { m.SetCellText(1, kColRxFrequency, "462.5625"); }},
        {"switch toggle", [&] { m.StepSwitch(1, kColSquelch); }},
        {"tone choice", [&] { m.ChooseSignal(2, Side::Tx, 5); }},
        {"scan list remove", [&] { m.RemoveFromScanList(1); }},
        {"scan list add", [&] { m.AddToScanList(1); }},
        {"priority", [&] { m.SetPriorityText("2"); }},
        {"save", [&] { ASSERT_EQ(m.SaveToFile(saved), ""); o.state.dataChanged = false; }, Action::Save},
        {"setting", [&] { m.SetFeature(Feature::BatterySave, !m.feature(Feature::BatterySave)); }},
        {"timing", [&] { m.SetTimingText(kTot, "90"); }},
        {"user tone box", [&] { m.SetUserTplText(Side::Rx, 0, "150"); m.CommitUserTpl(Side::Rx, 0); }},
        {"paste", [&] { ASSERT_TRUE(PasteChannelRows(m, 4, "462.6000\t\tTight\n462.6125").applied); }},
        {"refused paste", [&] { ASSERT_FALSE(PasteChannelRows(m, 4, "151.0250").applied); }, Action::NoChange},
        {"other tab", [&] { m.SelectTab(1 - m.copies().tab); }, Action::NoChange},
        {"delete rows", [&] { ASSERT_TRUE(ClearChannelRows(m, {4, 5}).ok); }},
        {"default", [&] { m.Default(); }},
        {"open", [&] { m.LoadImage(LoadKind::FileOpen, ShippedBytes("V2_APAC.cpg")); }, Action::Opened},
        {"super number", [&] { m.EnterSuperNumber("RTKV6103AAN", std::string(VANTREL_TEST_DATA_DIR) + "/../data"); }},
        {"read", [&] { m.LoadImage(LoadKind::Read, ShippedBytes("U2_NAG1.cpg")); }},
    };

    UndoHistory history;
    history.reset(m);
    std::vector<Moment> moments{now(m)};
    for (const Action& a : actions) {
        a.run();
        if (a.kind == Action::Save) {
            history.amend(m);
            moments.back() = now(m);
            // The states before it no longer match the data file.
            for (std::size_t i = 0; i + 1 < moments.size(); ++i) moments[i].dataChanged = true;
            continue;
        }
        EXPECT_EQ(history.record(m), a.kind != Action::NoChange) << a.name;
        if (a.kind == Action::NoChange) continue;
        if (a.kind == Action::Opened) {
            history.amend(m);
            for (Moment& before : moments) before.dataChanged = true;
        }
        // As the editor marks it: a step away from the saved one is unsaved.
        if (!history.atSaved()) o.state.dataChanged = true;
        moments.push_back(now(m));
    }
    std::filesystem::remove(saved);
    ASSERT_EQ(history.undoSteps(), moments.size() - 1);

    for (std::size_t i = moments.size() - 1; i-- > 0;) {
        ASSERT_TRUE(history.undo(m));
        expectAt(m, moments[i], "undo to step " + std::to_string(i));
    }
    EXPECT_FALSE(history.undo(m));
    for (std::size_t i = 1; i < moments.size(); ++i) {
        ASSERT_TRUE(history.redo(m));
        expectAt(m, moments[i], "redo to step " + std::to_string(i));
    }
    EXPECT_FALSE(history.redo(m));
}

TEST(UndoHistory, DataChangedIsClearOnlyAtTheSavedState) {
    OpenedModel o("U2_NAG.cpg");  // File > Open: dataChanged set
    EditingModel& m = o.model;
    UndoHistory history;
    history.reset(m);
    m.StepSwitch(1, kColBclo);
    history.record(m);
    o.state.dataChanged = false;  // saved here
    history.amend(m);
    m.StepSwitch(1, kColBclo);
    history.record(m);

    history.undo(m);
    EXPECT_FALSE(o.state.dataChanged);
    history.undo(m);
    EXPECT_TRUE(o.state.dataChanged) << "the opened state was never saved";
    history.redo(m);
    EXPECT_FALSE(o.state.dataChanged);

    // A new action after an undo drops the redo steps.
    m.StepSwitch(2, kColBclo);
    EXPECT_TRUE(history.record(m));
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(o.state.dataChanged);
}

TEST(UndoHistory, KeepsOnlyItsCapacityAndForgetsAnActionThatChangedNothing) {
    OpenedModel o("U2_NAG.cpg", LoadKind::CommandLine);
    EditingModel& m = o.model;
    UndoHistory history(3);
    history.reset(m);
    EXPECT_FALSE(m.SetCellText(1, kColRxFrequency, "100").ok);  // refused: nothing changes
    EXPECT_FALSE(history.record(m));
    for (const char* f : {"462.5625", "462.5750", "462.5875", "462.6000", "462.6125"}) {
        m.SetCellText(1, kColRxFrequency, f);
        EXPECT_TRUE(history.record(m));
    }
    EXPECT_EQ(history.undoSteps(), 3u);
    while (history.undo(m)) {}
    // The oldest state kept is the second edit's; the clean start is gone.
    EXPECT_EQ(m.cell(1, kColRxFrequency).text, "462.57500");
    EXPECT_TRUE(o.state.dataChanged);
}

TEST(UndoHistory, LeavesTheShellsFlagsAlone) {
    OpenedModel o("U2_NAG.cpg");
    EditingModel& m = o.model;
    UndoHistory history;
    history.reset(m);
    m.StepSwitch(1, kColBclo);
    history.record(m);
    o.state.appClosing = true;
    o.state.passwordAttempts = 2;
    history.undo(m);
    EXPECT_TRUE(o.state.appClosing);
    EXPECT_EQ(o.state.passwordAttempts, 2);
}

}  // namespace
}  // namespace vantrel
