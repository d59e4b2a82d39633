// What a screen reader finds in the windows: every control named (and
// described where the window shows help for it), the windows announced by
// name, message boxes carrying their text, and the channel grid read as a
// table with headers.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "gui/access/AccessWindows.h"
#include "gui/channels/GridColumns.h"
#include "gui/codeplug/StatusHelp.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/common/Accessibility.h"
#include "gui/common/Prompts.h"

namespace vantrel::test {
namespace {

QString accessibleText(QObject* o, QAccessible::Text t) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(t) : QString();
}

// What a screen reader calls a control. A list to choose from is called by
// its choice on Linux, and read with the label it is labelled by.
QString heardName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) return {};
    if (!qobject_cast<QComboBox*>(w)) return iface->text(QAccessible::Name);
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QString describe(const QWidget* w) {
    return QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
}

// Every control of the window has a name; where the window shows help for
// the control (or its label), that help is its description.
void expectNamed(QWidget& window) {
    const std::vector<QWidget*> controls = ControlsUnder(window);
    ASSERT_FALSE(controls.empty()) << window.objectName().toStdString();
    for (QWidget* c : controls) {
        EXPECT_FALSE(heardName(c).isEmpty())
            << window.objectName().toStdString() << ": " << describe(c).toStdString();
        QString help = statusHelpText(*c);
        QLabel* label = LabelOf(*c);
        if (help.isEmpty() && label) help = statusHelpText(*label);
        if (!help.isEmpty()) {
            EXPECT_EQ(accessibleText(c, QAccessible::Description), help.trimmed()) << describe(c).toStdString();
        }
    }
}

TEST(AccessibleNames, EveryControlOfEveryWindowHasANameAndTheWindowsAreAnnounced) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    expectNamed(*editor.f.main);
    std::vector<std::shared_ptr<void>> keep;
    for (const auto& w : AccessWindows::others(editor, keep)) {
        SCOPED_TRACE(w.name.toStdString());
        QWidget* window = w.open();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        EXPECT_EQ(window->objectName(), w.name);
        EXPECT_FALSE(accessibleText(window, QAccessible::Name).isEmpty());
        expectNamed(*window);
    }
}

TEST(AccessibleNames, EditorControlsAreNamedByTheLabelsBesideThem) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    frmMain& form = editor.form();
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
    } cases[] = {
        {form.findChild<QWidget*>("txtPassword"), "Password", "Input Password 8 Characters"},
        {form.findChild<QWidget*>("txtSerial"), "Serial Number", "Serial Number (Read Only)"},
        {form.findChild<QWidget*>("txtSuper"), "Regional Super Velmar",
         "Input Regional Super Velmar Number 16 Characters"},
        {form.findChild<QWidget*>("txtTotTime"), "Tx Time Out Time (sec)", "TX Time Out Time : 10 to 600sec"},
        {form.findChild<QWidget*>("udScanSpeedTime"), "Scan Speed (msec)", "Scan Speed Time : 50 to 500msec"},
        // A list named by the label above it; its help comes through the label.
        {form.findChild<QWidget*>("cmbButton_L2"), "Programmable Button 2 Long Press",
         "Programmable Button 2 Long Press"},
        {form.findChild<QWidget*>("LstChannel"), "Channel", "Channel List"},
        {form.findChild<QWidget*>("LstScan"), "Scan List", "Scan List Channel"},
        {form.findChild<QWidget*>("txtPrioScanChNo"), "Prio. Scan Ch. No.",
         "Priority Scan Channel Number : 1 to 16Ch"},
        // A box of a two-way table: its row's label and its column's heading.
        {form.userTpl()->box(false, 0), "TPL1 (Hz) RX", "TPL Frequency : 67 to 255Hz"},
        {form.userTpl()->box(true, 2), "TPL3 (Hz) TX", "TPL Frequency : 67 to 255Hz"},
        // Captions of their own, as Qt reads them.
        {form.findChild<QWidget*>("chkTotEnable"), "TOT Enable", "TOT (Time Out Timer) Enable Option"},
        {form.findChild<QWidget*>("CmdAdd"), "Add >>", "Scan List Add Button"},
        // The grid is named by its tab.
        {form.grid()->table(), "Conventional Personality", ""},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(heardName(c.control), c.name);
        EXPECT_EQ(accessibleText(c.control, QAccessible::Description), c.description) << c.name;
    }
}

TEST(AccessibleNames, TheGridIsATableOfChannelsWithItsHeaders) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    QTableWidget* grid = editor.form().grid()->table();
    editor.form().grid()->setCellText(3, gridcol::RxFreq, "151.02500");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* t = table->tableInterface();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->rowCount(), grid->rowCount() - 1);
    ASSERT_EQ(t->columnCount(), gridcol::kColumns - 1);

    QAccessibleInterface* cell = t->cellAt(2, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "Channel 3, Rx Freq.");
    EXPECT_EQ(cell->text(QAccessible::Value), "151.02500");
    EXPECT_EQ(cell->text(QAccessible::Description), "Channel Rx Frequency Edit");

    // Every cell: its channel and column by the headers shown, its text as value.
    for (int r = 0; r < t->rowCount(); ++r) {
        for (int c = 0; c < t->columnCount(); ++c) {
            QAccessibleTableCellInterface* cellIface = t->cellAt(r, c)->tableCellInterface();
            ASSERT_NE(cellIface, nullptr);
            EXPECT_EQ(cellIface->rowIndex(), r);
            EXPECT_EQ(cellIface->columnIndex(), c);
            const auto columnHeaders = cellIface->columnHeaderCells();
            const auto rowHeaders = cellIface->rowHeaderCells();
            ASSERT_EQ(columnHeaders.size(), 1);
            ASSERT_EQ(rowHeaders.size(), 1);
            EXPECT_EQ(columnHeaders[0]->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(rowHeaders[0]->role(), QAccessible::RowHeader);
            EXPECT_EQ(columnHeaders[0]->text(QAccessible::Name), grid->item(0, c + 1)->text());
            EXPECT_EQ(rowHeaders[0]->text(QAccessible::Name), QString::number(r + 1));
            EXPECT_EQ(t->cellAt(r, c)->text(QAccessible::Name),
                      QStringLiteral("Channel %1, %2").arg(r + 1).arg(grid->item(0, c + 1)->text()));
            EXPECT_EQ(t->cellAt(r, c)->text(QAccessible::Value), grid->item(r + 1, c + 1)->text());
        }
    }

    // The cell with the focus is the one a focus event names: the view counts
    // its own (hidden) headers, and so do the children.
    editor.form().tabs()->setCurrentIndex(1);
    grid->setFocus();
    grid->setCurrentCell(4, gridcol::TxFreq);
    QAccessibleInterface* focused = table->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "Channel 4, Tx Freq.");
    EXPECT_TRUE(focused->state().focused);
    EXPECT_EQ(table->child(table->indexOfChild(focused)), focused);
    EXPECT_EQ(table->indexOfChild(focused), (4 + 1) * (grid->columnCount() + 1) + gridcol::TxFreq + 1);
}

TEST(AccessibleNames, MessageBoxesCarryTheirTextAndAnswerTheKeyboard) {
    AccessWindows windows;
    using B = Prompts::Buttons;
    using A = Prompts::Answer;
    const struct {
        B buttons;
        A defaultButton;
        QMessageBox::StandardButton onEnter;
        QMessageBox::StandardButton onEscape;
    } cases[] = {
        {B::Ok, A::Ok, QMessageBox::Ok, QMessageBox::Ok},
        {B::OkCancel, A::Ok, QMessageBox::Ok, QMessageBox::Cancel},
        {B::YesNo, A::Yes, QMessageBox::Yes, QMessageBox::No},
        {B::YesNoCancel, A::No, QMessageBox::No, QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        const Prompts::Message m{"Save Current Data to File ?", "Vantrel CPS", Prompts::Icon::Question, c.buttons,
                                 c.defaultButton};
        for (bool escape : {false, true}) {
            const auto box = MakeMessageBox(m, nullptr);
            box->show();
            EXPECT_EQ(accessibleText(box.get(), QAccessible::Name), m.title);
            EXPECT_EQ(accessibleText(box.get(), QAccessible::Description), m.text);
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box.get(), escape ? Qt::Key_Escape : Qt::Key_Return);
            ASSERT_NE(box->clickedButton(), nullptr);
            EXPECT_EQ(box->standardButton(box->clickedButton()), escape ? c.onEscape : c.onEnter);
            EXPECT_FALSE(box->isVisible());
        }
    }
}

}  // namespace
}  // namespace vantrel::test
