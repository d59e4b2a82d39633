// Edit > Undo and Redo in the editor: every kind of user action is one step
// that undo takes back exactly (image, what the editor shows, the unsaved
// mark) and redo puts back.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QFocusEvent>
#include <QTest>
#include <functional>

#include "base/DataFolder.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/FormReader.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/TimingControl.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/ShellFixture.h"
#include "model/UndoHistory.h"

namespace vantrel::test {
namespace {

QString dataFile(const char* name) { return QString::fromStdString(DataFilePath(name)); }

// Types into a box key by key, letting the event loop run between keys as a
// user's typing does, then Enter.
void typeAndEnter(QWidget* box, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(box, c.toLatin1());
        QCoreApplication::processEvents();
    }
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void selectAllIn(QLineEdit* box) {
    box->setFocus();
    box->selectAll();
}

struct Action {
    const char* name;
    std::function<void(ShellFixture&)> act;
    const char* step = nullptr;  // how Undo and Redo name the step; nullptr: not looked at
    bool opensAFile = false;     // its state is the file's: no unsaved mark there
};

const std::vector<Action> kActions = {
    {"switch cell", [](ShellFixture& f) { f.editor().grid()->StepSwitch(1, kColBclo); }},
    {"typed frequency",
     [](ShellFixture& f) {
         QTableWidget* table = f.editor().grid()->table();
         f.editor().tabs()->setCurrentIndex(1);
         table->setCurrentCell(1, 1);
         table->setFocus();
         QTest::keyClick(table, '4');
         typeAndEnter(f.editor().grid()->cellEditor(), "10.5");
     },
     "Channel Edit"},
    {"scan list remove",
     [](ShellFixture& f) {
         f.editor().scanList()->scanList()->setCurrentRow(0);
         QTest::mouseClick(f.editor().scanList()->removeButton(), Qt::LeftButton);
     },
     "Scan List"},
    {"feature box",
     [](ShellFixture& f) {
         QCheckBox* box = f.editor().settings()->check("chkPowerSaveEnable");
         QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
     },
     "Battery Save Mode Enable"},
    {"user TPL box",
     [](ShellFixture& f) {
         QLineEdit* box = f.editor().userTpl()->box(false, 0);
         selectAllIn(box);
         typeAndEnter(box, "100.0");
     },
     "User TPL Frequency"},
    {"timing field",
     [](ShellFixture& f) {
         QLineEdit* box = f.editor().settings()->timing(kTotPenalty).text();
         selectAllIn(box);
         typeAndEnter(box, "9");
     },
     "TOT Warning Time"},
    {"button choice",
     [](ShellFixture& f) {
         QComboBox* list = f.editor().buttons()->shortList(0);
         list->setFocus();
         QTest::keyClick(list, Qt::Key_Down);
     },
     "Button 1 Short Press"},
    {"Default", [](ShellFixture& f) { f.menu("mnuDefault"); }, "Default"},
    {"super number load", [](ShellFixture& f) { f.editor().EnterSuperNumber("RTKV6101AAE", [] { return true; }); },
     "Super Number"},
    {"paste",
     [](ShellFixture& f) {
         QTableWidget* table = f.editor().grid()->table();
         table->selectRow(1);
         f.menu("mnuEditCopy");
         table->clearSelection();
         table->selectRow(6);
         f.menu("mnuEditPaste");
     },
     "Paste"},
    {"import",
     [](ShellFixture& f) {
         f.prompts.fileNames = {f.write("in.csv",
                                        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                        "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\r\n"
                                        "2,,410.100000,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Low\r\n")};
         f.menu("mnuFileImport");
     }},
    {"Open", [](ShellFixture& f) { f.open(dataFile("U1_EMEA.cpg")); }, "Open", true},
    {"Read",
     [](ShellFixture& f) {
         // What a read's completion does to the editor.
         f.load(sampleImage(), frmMain::LoadKind::Read);
         f.state.dataChanged = true;
     },
     "Read"},
};

// The image and everything the editor shows, to compare two moments.
struct Seen {
    CodeplugImage image;
    EditingModel::Snapshot shown;
};

Seen seen(ShellFixture& f) {
    EditingModel model(f.state);
    model.copies() = testing::ReadForm(f.editor());
    return {f.state.image, model.snapshot()};
}

// Whether the editor shows what it showed then.
bool showsAsThen(ShellFixture& f, const Seen& then) {
    AppState kept = f.state;
    EditingModel thenModel(kept);
    thenModel.restore(then.shown);
    UndoHistory h;
    h.reset(thenModel);
    EditingModel now(f.state);
    now.copies() = testing::ReadForm(f.editor());
    return !h.differs(now);
}

// Whether the form shows what the editor's model holds.
bool showsTheModel(ShellFixture& f) {
    UndoHistory h;
    h.reset(f.editor().model());
    EditingModel shown(f.state);
    shown.copies() = testing::ReadForm(f.editor());
    return !h.differs(shown);
}

class EditorUndoActions : public ::testing::TestWithParam<Action> {};

TEST_P(EditorUndoActions, UndoTakesTheActionBackAndRedoPutsItBack) {
    ShellFixture f;
    f.openDefaultFile();
    f.prompts.fileNames = {f.path("saved.cpg")};
    f.menu("mnuFileSave");
    ASSERT_FALSE(f.state.dataChanged);
    QAction* undo = f.main->menuAction("mnuEditUndo");
    QAction* redo = f.main->menuAction("mnuEditRedo");
    const Seen before = seen(f);

    GetParam().act(f);
    f.prompts.clear();
    QCoreApplication::processEvents();
    const Seen after = seen(f);
    ASSERT_NE(after.image, before.image) << "the action changed nothing";
    EXPECT_TRUE(showsTheModel(f));
    ASSERT_TRUE(undo->isEnabled());
    const QString step = GetParam().step ? QStringLiteral(" ") + GetParam().step : QString();
    if (GetParam().step) {
        EXPECT_EQ(undo->text(), "&Undo" + step);
    }

    // An opened file is the one the title names: its state is the unmarked
    // one, the state saved to another file before it is not.
    const bool opened = GetParam().opensAFile;
    f.menu("mnuEditUndo");
    EXPECT_EQ(f.state.image, before.image);
    EXPECT_EQ(f.state.dataChanged, opened);  // back at the state last saved
    EXPECT_EQ(f.main->isWindowModified(), opened);
    EXPECT_TRUE(showsAsThen(f, before));
    EXPECT_TRUE(showsTheModel(f));
    EXPECT_TRUE(redo->isEnabled());
    if (GetParam().step) {
        EXPECT_EQ(redo->text(), "&Redo" + step);
    }
    EXPECT_TRUE(f.prompts.messages.empty()) << f.prompts.texts().join('|').toStdString();

    // Nothing the undo showed counts as a new action.
    QCoreApplication::processEvents();
    EXPECT_TRUE(redo->isEnabled());

    f.menu("mnuEditRedo");
    EXPECT_EQ(f.state.image, after.image);
    EXPECT_EQ(f.state.dataChanged, !opened);  // not what was saved, even where the load left the flag clear
    EXPECT_TRUE(showsAsThen(f, after));
    EXPECT_FALSE(redo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfAction, EditorUndoActions, ::testing::ValuesIn(kActions),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// A committed setting is one step, and no step holds a value its field
// would not keep: typing 600 in the 50..500 ms scan speed and leaving the
// field is one step (the field keeps 500), and one undo gives back the value
// before the typing, never 600.
TEST(EditorUndo, TypingIntoAFieldIsOneStepAndNeverAnOutOfRangeValue) {
    ShellFixture f;
    f.openDefaultFile();
    QLineEdit* box = f.editor().settings()->timing(kScanSpeed).text();
    const std::uint8_t was = f.state.image.byte(bytemap::ScanSpeedTime);
    selectAllIn(box);
    for (QChar c : QStringLiteral("600")) {
        QTest::keyClick(box, c.toLatin1());
        QCoreApplication::processEvents();
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &leave);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->text(), "500");
    EXPECT_EQ(f.state.image.byte(bytemap::ScanSpeedTime) * 10, 500);
    const auto& history = f.main->editorUndo().history();
    ASSERT_EQ(history.undoSteps(), 1u);

    f.menu("mnuEditUndo");
    EXPECT_EQ(f.state.image.byte(bytemap::ScanSpeedTime), was);
    EXPECT_EQ(box->text(), QString::number(was * 10));
}

// Reading a radio over unsaved edits loses nothing: the edits come back one
// undo at a time, in order.
TEST(EditorUndo, StepsUndoInOrderAndANewActionDropsTheRedo) {
    ShellFixture f;
    f.openDefaultFile();
    const CodeplugImage opened = f.state.image;
    ChannelGrid& grid = *f.editor().grid();
    grid.StepSwitch(1, kColBclo);
    QCoreApplication::processEvents();
    const CodeplugImage edited = f.state.image;
    f.load(sampleImage(), frmMain::LoadKind::Read);
    QCoreApplication::processEvents();

    f.menu("mnuEditUndo");
    EXPECT_EQ(f.state.image, edited);
    f.menu("mnuEditUndo");
    EXPECT_EQ(f.state.image, opened);
    EXPECT_FALSE(f.main->menuAction("mnuEditUndo")->isEnabled());  // the first load is where it starts

    f.menu("mnuEditRedo");
    EXPECT_EQ(f.state.image, edited);
    grid.StepSwitch(2, kColBclo);
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.main->menuAction("mnuEditRedo")->isEnabled());
    EXPECT_EQ(f.main->editorUndo().history().undoSteps(), 2u);
}

// A save sets bytes of its own; undo after a save goes back to the state
// before the last edit, not to the bytes before the save.
TEST(EditorUndo, ASaveIsNoStepOfItsOwn) {
    ShellFixture f;
    f.openDefaultFile();
    f.editor().grid()->StepSwitch(1, kColBclo);
    QCoreApplication::processEvents();
    f.prompts.fileNames = {f.path("saved.cpg")};
    f.menu("mnuFileSave");
    const CodeplugImage saved = f.state.image;
    f.menu("mnuEditUndo");
    f.menu("mnuEditRedo");
    EXPECT_EQ(f.state.image, saved);
    EXPECT_FALSE(f.state.dataChanged);
}

// Looking at the other tab is no edit: it makes no undo step (which would
// only flip the page back and mark the data changed), and undo leaves the
// form on the tab the user looks at.
TEST(EditorUndo, TheTabShownIsNoStep) {
    ShellFixture f;
    f.openDefaultFile();
    f.prompts.fileNames = {f.path("saved.cpg")};
    f.menu("mnuFileSave");
    QTabBar* tabs = f.editor().tabs()->tabBar();
    const auto clickTab = [&](int i) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        QCoreApplication::processEvents();
        ASSERT_EQ(f.editor().tabs()->currentIndex(), i);
    };
    clickTab(0);
    clickTab(1);
    clickTab(0);
    EXPECT_FALSE(f.main->menuAction("mnuEditUndo")->isEnabled());
    EXPECT_FALSE(f.state.dataChanged);

    QLineEdit* box = f.editor().settings()->timing(kTotPenalty).text();
    selectAllIn(box);
    typeAndEnter(box, "9");
    QCoreApplication::processEvents();
    f.menu("mnuEditUndo");
    EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
    EXPECT_EQ(box->text(), "10");
    EXPECT_FALSE(f.state.dataChanged);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.main->menuAction("mnuEditRedo")->isEnabled());
    f.menu("mnuEditRedo");
    EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
    EXPECT_EQ(box->text(), "9");
}

// Undo and redo only change what the form shows: the keyboard stays where the
// user works (in the grid, arrows go on moving between cells instead of
// switching tabs).
TEST(EditorUndo, UndoAndRedoLeaveTheFocusWhereItWas) {
    struct Place {
        const char* name;
        std::function<QWidget*(ShellFixture&)> edit;  // gives the focus, edits there
    };
    const Place places[] = {
        {"grid",
         [](ShellFixture& f) -> QWidget* {
             QTableWidget* table = f.editor().grid()->table();
             table->setCurrentCell(1, kColBclo);
             table->setFocus();
             QTest::keyClick(table, Qt::Key_Return);
             return table;
         }},
        {"timing box",
         [](ShellFixture& f) -> QWidget* {
             f.editor().tabs()->setCurrentIndex(0);
             QLineEdit* box = f.editor().settings()->timing(kTotPenalty).text();
             selectAllIn(box);
             typeAndEnter(box, "9");
             return box;
         }},
    };
    for (const Place& place : places) {
        ShellFixture f;
        f.openDefaultFile();
        const CodeplugImage opened = f.state.image;
        QWidget* focused = place.edit(f);
        QCoreApplication::processEvents();
        ASSERT_NE(f.state.image, opened) << place.name;
        ASSERT_EQ(f.main->focusWidget(), focused) << place.name;

        f.menu("mnuEditUndo");
        ASSERT_EQ(f.state.image, opened) << place.name;
        EXPECT_EQ(f.main->focusWidget(), focused) << place.name << " after undo";
        f.menu("mnuEditRedo");
        EXPECT_EQ(f.main->focusWidget(), focused) << place.name << " after redo";
    }
}

}  // namespace
}  // namespace vantrel::test
