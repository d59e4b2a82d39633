#pragma once
// A populated channel grid and scan list in the editor form, with scripted
// prompts: the tests run the form's own wiring to the editing model.
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

#include "channels/BandFixture.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/EditorContext.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/codeplug/frmMain.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::testing {

class GridFixture : public ::testing::Test {
protected:
    AppState state;
    test::ScriptedPrompts prompts;
    QTemporaryDir dir;
    QSettings settings{dir.filePath("test.conf"), QSettings::IniFormat};
    // The editor form as the program builds it; the tests work its grid and
    // scan list.
    std::unique_ptr<frmMain> form;
    ChannelGrid* grid = nullptr;
    ScanListPanel* scan = nullptr;
    QLineEdit* other = nullptr;  // somewhere else to put the focus

    EditorContext& ctx() { return form->context(); }
    EditingModel& model() { return form->model(); }

    void SetUp() override {
        form = std::make_unique<frmMain>(state, prompts, settings);
        // The start-up load is behind the fixture: the image set up next is
        // what the tests load.
        form->Load();
        LoadBand(state, 3);  // VHF 150-174 MHz
        state.image.setByte(bytemap::ModelIndex, 1);
        ClearChannels(state.image);
        // The user TPL boxes hold 100.0 Hz unless a test says otherwise.
        for (int k = 0; k < 3; ++k) {
            state.image.setWord(bytemap::userTplRxWord(k), 1000);
            state.image.setWord(bytemap::userTplTxWord(k), 1000);
        }
        grid = form->grid();
        scan = form->scanList();
        other = new QLineEdit(form.get());
        other->move(0, form->height() - other->height());
        populate();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // User TPL receive or transmit box k emptied; its widget.
    QLineEdit* emptyUserTpl(Side side, int k) {
        model().copies().tpl.box(side, k).clear();
        form->repaint();
        return form->userTpl()->box(side == Side::Tx, k);
    }

    // Both frequencies typed as the user would have them stored.
    void setChannel(int n, const char* rx, const char* tx) {
        ASSERT_EQ(EncodeRxFrequency(state, n, rx).status, FrequencyStatus::Stored);
        ASSERT_EQ(EncodeTxFrequency(state, n, tx).status, FrequencyStatus::Stored);
    }
    void setSignal(int n, Side side, int code) { state.image.setByte(SignalOffset(n, side), static_cast<std::uint8_t>(code)); }
    void addToScanList(int n) {
        state.image.setByte(bytemap::scanSlot(n), static_cast<std::uint8_t>(n));
        state.image.setWord(bytemap::ScanMask,
                            static_cast<std::uint16_t>(state.image.word(bytemap::ScanMask) | (1u << (n - 1))));
    }
    // The priority channel stored and "Priority Scan Enable" ticked or not,
    // as the settings tab leaves them.
    void setPriority(int n, bool ticked) {
        state.image.setByte(bytemap::PrioScanChNo, static_cast<std::uint8_t>(n));
        state.image.setBit(bytemap::OptionFlags, 1, ticked);
        model().copies().features[static_cast<std::size_t>(Feature::PriorityScan)] = ticked;
        form->repaint();
        // The controls that follow the box take input as its tick says.
        if (!model().copies().locked) form->settings()->unlock();
    }

    // A whole-image load of the image as it stands, as File > Open shows it
    // (its messages belong to the boxes of the other tab).
    void populate() {
        form->PopulateEditor(LoadKind::FileOpen);
        scan->updateButtons();
        prompts.clear();
    }

    QTableWidget* table() const { return grid->table(); }
    QLineEdit* editor() const { return grid->cellEditor(); }
    QString cell(int r, int c) const { return grid->cellText(r, c); }
    QPoint centre(int r, int c) const { return table()->visualRect(table()->model()->index(r, c)).center(); }

    void select(int r, int c) {
        table()->setCurrentCell(r, c);
        table()->setFocus();
    }
    void click(int r, int c, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(table()->viewport(), b, {}, centre(r, c));
    }
    void doubleClick(int r, int c) {
        click(r, c);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre(r, c));
        QTest::mouseRelease(table()->viewport(), Qt::LeftButton, {}, centre(r, c));
    }
    void key(int k) { QTest::keyClick(table(), static_cast<Qt::Key>(k)); }
    void type(char ch) { QTest::keyClick(table(), ch); }

    QStringList items(QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

}  // namespace vantrel::testing
