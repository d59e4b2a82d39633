#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/codeplug/StatusHelp.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

TEST(StatusHelp, EveryControlOfTheTableShowsItsText) {
    EditorFixture f;
    f.startUp();
    for (const StatusHelpEntry& e : statusHelpTable()) {
        const auto widgets = f.editor().findChildren<QWidget*>(e.control);
        ASSERT_FALSE(widgets.isEmpty()) << e.control;
        for (QWidget* w : widgets) {
            f.editor().setStatusText({});
            hover(w);
            EXPECT_EQ(f.editor().statusText(), e.text) << e.control;
        }
    }
    EXPECT_EQ(f.editor().findChildren<QWidget*>("txtTPL_RxFrequency").size(), 3);
}

TEST(StatusHelp, PriorityChannelTextNamesTheChannelCount) {
    EditorFixture f;
    f.startUp();
    CodeplugImage img = sampleImage();
    img.setByte(bm::ModelIndex, 4);
    f.load(img);
    for (const char* name : {"txtPrioScanChNo", "udPrioScanChNo"}) {
        hover(f.find<QWidget>(name));
        EXPECT_EQ(f.editor().statusText(), "Priority Scan Channel Number : 1 to 8Ch");
    }
}

TEST(StatusHelp, ToolbarMouseSetsStatusAndTheHeldFlag) {
    EditorFixture f;
    f.startUp();
    QToolButton* b = nullptr;
    for (QToolButton* t : f.main->toolBar()->findChildren<QToolButton*>())
        if (t->defaultAction() == f.main->toolbarButton(1)) b = t;
    ASSERT_NE(b, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(b, &press);
    EXPECT_TRUE(f.state.toolbarButtonDown);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(b, &move);
    EXPECT_EQ(f.editor().statusText(), f.main->toolbarButton(1)->toolTip());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(b, &release);
    EXPECT_FALSE(f.state.toolbarButtonDown);
}

TEST(MainWindow, MenusAndToolbarCarryTheirNames) {
    EditorFixture f;
    const char* const names[] = {"mnuFileOpen", "mnuFileSave", "mnuFilePrintPreview", "mnuFilePrint",
                                 "mnuDefault", "mnuFileExit", "mnuRead", "mnuWrite", "mnuContents",
                                 "mnuHelpAbout", "mnuPortCom1", "mnuPortCom8", "mnuFileBar0", "mnuHelpBar2"};
    for (const char* n : names) EXPECT_NE(f.main->menuAction(n), nullptr) << n;
    EXPECT_EQ(f.main->menuAction("mnuFileOpen")->text(), "&Open..");
    EXPECT_EQ(f.main->menuAction("mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(f.main->menuAction("mnuWrite")->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_TRUE(f.main->menuAction("mnuPortCom1")->isChecked());
    const char* keys[] = {"Open", "Save", "Read", "Write", nullptr, "Print Preview", "Print", nullptr, "Help"};
    for (int p = 1; p <= 9; ++p) {
        QAction* a = f.main->toolbarButton(p);
        ASSERT_NE(a, nullptr);
        if (keys[p - 1]) EXPECT_EQ(a->toolTip(), keys[p - 1]);
        else EXPECT_TRUE(a->isSeparator());
    }
    EXPECT_EQ(f.main->windowTitle(), "Vantrel CPS");
}

TEST(MainWindow, MenuCommandsAreHeldOffWhileAToolbarButtonIsDown) {
    EditorFixture f;
    f.startUp();
    int opened = 0;
    f.main->setCommand(MDIFormMain::Command::Open, [&] { ++opened; });
    f.state.toolbarButtonDown = true;
    f.main->menuAction("mnuFileOpen")->trigger();
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(f.state.dataChanged);
    f.state.toolbarButtonDown = false;
    f.main->menuAction("mnuFileOpen")->trigger();
    f.main->toolbarButton(1)->trigger();
    EXPECT_EQ(opened, 2);
}

}  // namespace
}  // namespace vantrel::test
