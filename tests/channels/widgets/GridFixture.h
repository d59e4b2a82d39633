#pragma once
// A populated channel grid and scan list on one window, as the editor form
// holds them, with scripted prompts.
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

#include "channels/BandFixture.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ChannelsInModel.h"
#include "channels/widgets/ScanListPanel.h"
#include "codeplug/widgets/EditorContext.h"
#include "codeplug/widgets/ModelMessages.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::testing {

class GridFixture : public ::testing::Test {
protected:
    AppState state;
    test::ScriptedPrompts prompts;
    EditorContext ctx{state, prompts, [](const QString&) {}};
    std::unique_ptr<QWidget> form;
    ChannelGrid* grid = nullptr;
    ScanListPanel* scan = nullptr;
    QLineEdit* other = nullptr;  // somewhere else to put the focus
    EditingModel model{state};

    // The editor's forwarding of an edit to the model, for a grid and a scan
    // list without the rest of the form: the user TPL receive boxes are the
    // grid's hook, and an empty box named by the scan list's hook counts.
    EditResult forward(const ModelEdit& edit, const KeepBefore& keep) {
        const EditingCopies before = model.copies();
        takeFromEditor(model, *grid, *scan);
        EditingCopies& e = model.copies();
        const bool tplEmpty = scan->hooks.firstEmptyTplBox && scan->hooks.firstEmptyTplBox();
        // The receive boxes are the grid's hook; the transmit ones are filled.
        for (std::string& box : e.tpl.tx) box = "100.0";
        if (tplEmpty) e.tpl.tx[0].clear();
        if (keep) keep(e, before);
        EditResult r = edit(model);
        showCells(model, *grid);
        showScanLists(model, *scan);
        ShowMessages(prompts, r.messages);
        return r;
    }

    void SetUp() override {
        ctx.forward = [this](const ModelEdit& edit, const KeepBefore& keep) { return forward(edit, keep); };
        LoadBand(state, 3);  // VHF 150-174 MHz
        state.image.setByte(bytemap::ModelIndex, 1);
        ClearChannels(state.image);
        form = std::make_unique<QWidget>();
        grid = new ChannelGrid(ctx, form.get());
        scan = new ScanListPanel(ctx, *grid, form.get());
        // The user TPL receive boxes hold frequencies unless a test says otherwise.
        grid->hooks.userTplRxValue = [](int) { return 100.0; };
        other = new QLineEdit(form.get());
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(grid);
        layout->addWidget(scan);
        layout->addWidget(other);
        grid->LayoutGrid();
        populate();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
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
    void setPriority(int n, bool ticked) {
        state.image.setByte(bytemap::PrioScanChNo, static_cast<std::uint8_t>(n));
        state.image.setBit(bytemap::OptionFlags, 1, ticked);
    }

    // An unlocked load of the image as the editor runs it, for the grid and
    // the scan list (the messages belong to boxes this fixture does not have).
    void populate() {
        takeFromEditor(model, *grid, *scan);
        model.copies().editorLoaded = true;  // the start-up load is behind the fixture
        model.PopulateEditor(LoadKind::FileOpen);
        showCells(model, *grid);
        showScanLists(model, *scan);
        grid->setLocked(model.copies().locked);
        scan->updateButtons();
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
