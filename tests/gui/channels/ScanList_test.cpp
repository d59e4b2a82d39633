// The scan list: membership bytes, the two lists and their buttons, and the
// priority channel box.
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "gui/channels/GridFixture.h"

namespace vantrel::testing {
namespace {

const QString kPriorityError = QStringLiteral(
    "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ");

class ScanList : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        for (int n : {1, 2, 3, 8, 9}) setChannel(n, "151.025", "156.000");
        addToScanList(2);
        setPriority(2, false);
        populate();
    }
    void selectIn(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
    }
    void add(const QString& text) {
        selectIn(scan->channelList(), text);
        QTest::mouseClick(scan->addButton(), Qt::LeftButton);
    }
    void remove(const QString& text) {
        selectIn(scan->scanList(), text);
        QTest::mouseClick(scan->removeButton(), Qt::LeftButton);
    }
    QString selected(QListWidget* list) const {
        const auto s = list->selectedItems();
        return s.isEmpty() ? QString() : s.first()->text();
    }
};

TEST_F(ScanList, AddAndRemoveKeepSlotsMaskAndListsTogether) {
    EXPECT_EQ(items(scan->scanList()), QStringList{"002"});
    add("009");
    EXPECT_EQ(state.image.byte(bytemap::scanSlot(9)), 9);
    EXPECT_EQ(state.image.byte(bytemap::ScanMask + 1) & 1, 1);
    EXPECT_TRUE(state.dataChanged);
    add("003");
    add("001");
    EXPECT_EQ(items(scan->scanList()), (QStringList{"001", "002", "003", "009"}));
    EXPECT_EQ(selected(scan->scanList()), "009");
    EXPECT_EQ(selected(scan->channelList()), "004");
    EXPECT_EQ(state.image.word(bytemap::ScanMask), 0x0107);

    remove("009");
    EXPECT_EQ(state.image.byte(bytemap::scanSlot(9)), 0);
    EXPECT_EQ(state.image.byte(bytemap::ScanMask + 1), 0);
    EXPECT_TRUE(items(scan->channelList()).contains("009"));
    EXPECT_EQ(selected(scan->scanList()), "003");
    EXPECT_EQ(selected(scan->channelList()), "004");
}

TEST_F(ScanList, AnEmptyChannelIsNotAdded) {
    const CodeplugImage before = state.image;
    add("005");
    EXPECT_EQ(prompts.texts(), QStringList{"Empty Channel  "});
    EXPECT_TRUE(state.image == before);
    EXPECT_TRUE(items(scan->channelList()).contains("005"));
}

TEST_F(ScanList, ThePriorityChannelStaysWhilePriorityScanIsTicked) {
    setPriority(2, true);
    remove("002");
    EXPECT_EQ(prompts.texts(), QStringList{"Not Allowed To Remove Priority Channel  "});
    EXPECT_EQ(items(scan->scanList()), QStringList{"002"});
    EXPECT_EQ(state.image.byte(bytemap::scanSlot(2)), 2);

    setPriority(2, false);
    remove("002");
    EXPECT_TRUE(items(scan->scanList()).isEmpty());
    EXPECT_FALSE(scan->removeButton()->isEnabled());
    EXPECT_EQ(state.image.word(bytemap::ScanMask), 0);
}

TEST_F(ScanList, AddingClearsThePriorityChannelError) {
    state.prioChannelError = true;
    add("001");
    EXPECT_FALSE(state.prioChannelError);
}

TEST_F(ScanList, EightChannelRadiosUseTheFirstEightSlots) {
    state.image.setByte(bytemap::ModelIndex, 4);
    populate();
    EXPECT_EQ(items(scan->channelList()), (QStringList{"001", "003", "004", "005", "006", "007", "008"}));
    add("008");
    add("001");
    remove("002");
    for (int n = 9; n <= 16; ++n) EXPECT_EQ(state.image.byte(bytemap::scanSlot(n)), 0);
    EXPECT_EQ(state.image.word(bytemap::ScanMask), 0x81);
}

TEST_F(ScanList, ClickingOneListClearsTheOtherSelection) {
    scan->updateButtons();
    ASSERT_FALSE(selected(scan->channelList()).isEmpty());
    QListWidget* list = scan->scanList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(selected(scan->channelList()).isEmpty());
    // With nothing selected, Add changes nothing.
    const CodeplugImage before = state.image;
    QTest::mouseClick(scan->addButton(), Qt::LeftButton);
    EXPECT_TRUE(state.image == before);
}

TEST_F(ScanList, PriorityNumbersOutsideTheScanListAreReported) {
    setPriority(2, true);
    struct Case {
        const char* text;
        bool outside;
        int stored;
    };
    // 0 matches the empty position after the last item of LstChannel.
    const Case cases[] = {{"2", false, 2}, {"3", true, 3}, {"0", true, 0}, {"12", true, 12}, {"20", true, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        prompts.clear();
        state.prioChannelError = false;
        scan->priorityBox()->setText(c.text);
        EXPECT_EQ(prompts.texts(), c.outside ? QStringList{kPriorityError} : QStringList{});
        EXPECT_EQ(state.prioChannelError, c.outside);
        EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), c.stored);
    }

    // No check while a whole image loads, nor with priority scan unticked.
    prompts.clear();
    state.loadingImage = true;
    scan->priorityBox()->setText("4");
    state.loadingImage = false;
    setPriority(4, false);
    scan->priorityBox()->setText("5");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 5);
}

TEST_F(ScanList, WithAnEmptyTplBoxThePriorityBoxGoesBack) {
    QLineEdit& emptyTpl = *emptyUserTpl(Side::Tx, 0);
    // A pasted huge number goes back as a typed one does, without one nested
    // change per step.
    for (const char* text : {"5", "999999999", "abc"}) {
        SCOPED_TRACE(text);
        scan->priorityBox()->setText(text);
        EXPECT_EQ(scan->priorityBox()->text(), "2");
        EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 2);
    }

    // Back at a stored number outside the scan list: the error, then the
    // focus goes to the empty TPL box.
    setPriority(3, true);
    scan->priorityBox()->setText("1");
    EXPECT_EQ(scan->priorityBox()->text(), "3");
    EXPECT_EQ(prompts.texts(), QStringList{kPriorityError});
    EXPECT_EQ(form->focusWidget(), &emptyTpl);
}

// A stored number above the channel count (an 8-channel image holding 12)
// ends at the limit instead of bouncing between the limit and the stored
// number.
TEST_F(ScanList, WithAnEmptyTplBoxAStoredNumberAboveTheCountEndsAtTheLimit) {
    state.image.setByte(bytemap::ModelIndex, 4);
    populate();
    emptyUserTpl(Side::Tx, 0);
    state.image.setByte(bytemap::PrioScanChNo, 12);
    scan->priorityBox()->setText("3");
    EXPECT_EQ(scan->priorityBox()->text(), "8");
    EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 8);

}

TEST_F(ScanList, ArrowKeysAndTheUpDownStepTheBox) {
    state.image.setByte(bytemap::ModelIndex, 4);
    populate();
    QLineEdit* box = scan->priorityBox();
    box->setText("8");
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), "8");  // 9 for a moment, then the channel count
    box->setText("1");
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->text(), "1");
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), "2");
    EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 2);

    scan->priorityUpDown()->stepUp();
    EXPECT_EQ(box->text(), "3");
    EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 3);
}

// One press on the up arrow that names a channel outside the scan list gives
// one message, although the release goes to the message box and the user
// takes a while to answer it: the arrow's auto-repeat stops.
TEST_F(ScanList, OnePressOnThePriorityArrowGivesOneMessage) {
    setPriority(2, true);
    QSpinBox* ud = scan->priorityUpDown();
    ud->setValue(2);
    prompts.whileShown = [](const auto&) { QTest::qWait(1200); };
    QStyleOptionSpinBox opt;
    opt.initFrom(ud);
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    opt.frame = true;
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect up = ud->style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, ud);
    QTest::mousePress(ud, Qt::LeftButton, Qt::NoModifier, up.center());
    QTest::qWait(1200);
    EXPECT_EQ(prompts.texts(), QStringList{kPriorityError});
    EXPECT_EQ(scan->priorityBox()->text(), "3");
    EXPECT_EQ(state.image.byte(bytemap::PrioScanChNo), 3);
}

TEST_F(ScanList, StatusTexts) {
    QStringList shown;
    ctx().setStatusText = [&](const QString& t) { shown << t; };
    auto move = [](QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    move(scan->channelList()->viewport());
    move(scan->scanList()->viewport());
    move(scan->addButton());
    move(scan->removeButton());
    move(scan->priorityBox());
    EXPECT_EQ(shown, (QStringList{"Channel List", "Scan List Channel", "Scan List Add Button",
                                  "Scan List Remove Button", "Priority Scan Channel Number : 1 to 16Ch"}));
}

}  // namespace
}  // namespace vantrel::testing
