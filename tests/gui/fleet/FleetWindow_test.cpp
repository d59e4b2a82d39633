// The fleet window on simulated radios: start, each row's status, stop, the
// summary saved as CSV.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/fleet/frmFleet.h"
#include "link/e2e/E2eRig.h"
#include "model/OpenForWrite.h"
#include "support/ScriptedPrompts.h"

namespace vantrel {
namespace {

using link::e2e::Contents;
using link::e2e::IsSymlink;
using link::e2e::Simulator;

QByteArray DataFile() { return Contents(QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg")); }

// The editor's data after the Write command's checks and preparation.
std::optional<fleet::FleetWrite> Prepared() {
    AppState state;
    EditingModel model(state);
    model.LoadEditor();
    if (OpenForWrite(model, VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg").refused) return std::nullopt;
    return fleet::FleetWrite{model.snapshot(), std::nullopt, false};
}

// Waits, with the event loop running, until Start is usable again.
bool AwaitEnd(frmFleet& w, int ms) {
    return QTest::qWaitFor([&] { return w.cmdStart()->isEnabled(); }, ms);
}

struct Rig {
    explicit Rig(const QStringList& fleetOptions)
        : radios(dir.path(), DataFile(), QStringList{"--count", "2"} + fleetOptions),
          other(otherDir.path(), Contents(VANTREL_TEST_DATA_DIR "/../data/V2_EMEA.cpg"), fleetOptions) {}
    QString device(int port) const {
        if (port <= 2) return radios.link() + QString::number(port);
        return port == 3 ? other.link() : QString();
    }
    QTemporaryDir dir, otherDir;
    Simulator radios, other;
    test::ScriptedPrompts prompts;
};

TEST(FleetWindow, WritesTheTickedPortsAndSavesTheSummary) {
    Rig rig({});
    int prepared = 0;
    frmFleet w(rig.prompts, [&](int n) { return rig.device(n); }, [&] {
        ++prepared;
        return Prepared();
    });
    EXPECT_TRUE(w.row(1).chkPort->isChecked());
    EXPECT_EQ(w.row(3).lblDevice->text(), rig.other.link());
    EXPECT_FALSE(w.row(4).chkPort->isChecked());
    EXPECT_FALSE(w.row(4).chkPort->isEnabled());
    EXPECT_EQ(w.row(4).lblDevice->text(), "no serial device");

    QTest::mouseClick(w.cmdStart(), Qt::LeftButton);
    EXPECT_TRUE(w.cmdStop()->isEnabled());
    ASSERT_TRUE(AwaitEnd(w, 30000));
    EXPECT_EQ(prepared, 1);
    for (int n : {1, 2}) {
        EXPECT_EQ(w.row(n).lblSerial->text(), QString("SIM00%1").arg(n));
        EXPECT_EQ(w.row(n).lblStatus->text(), "Successfully Writing End. Verified: the radio holds every byte written.");
        EXPECT_EQ(w.row(n).pgrPort->value(), 384);
        EXPECT_TRUE(w.row(n).lblTime->text().endsWith(" s"));
    }
    EXPECT_EQ(w.row(3).lblStatus->text(), "Communication Error. Unsupported radio codeplug region.");
    EXPECT_EQ(w.lblSummary()->text(), "2 of 3 radios programmed.");

    const QString csv = rig.dir.filePath("summary.csv");
    rig.prompts.fileNames.push_back(csv);
    QTest::mouseClick(w.cmdSaveSummary(), Qt::LeftButton);
    const QList<QByteArray> lines = Contents(csv).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "Port,Device,Serial Number,Model,State,Result,Seconds\r");
    EXPECT_TRUE(lines[1].startsWith("Com1," + rig.device(1).toUtf8() + ",SIM001,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].contains(",failed,Communication Error. Unsupported radio codeplug region.,"));
}

TEST(FleetWindow, StopEndsEveryTransferAndARefusedWriteStartsNothing) {
    Rig rig({"--pace"});
    bool refuse = true;
    frmFleet w(rig.prompts, [&](int n) { return rig.device(n); }, [&]() -> std::optional<fleet::FleetWrite> {
        if (refuse) return std::nullopt;
        return Prepared();
    });
    QTest::mouseClick(w.cmdStart(), Qt::LeftButton);
    EXPECT_FALSE(w.cmdStop()->isEnabled());
    EXPECT_FALSE(w.running());

    refuse = false;
    QTest::mouseClick(w.cmdStart(), Qt::LeftButton);
    ASSERT_TRUE(w.running());
    QTest::qWait(1500);  // the reads are under way
    QTest::mouseClick(w.cmdStop(), Qt::LeftButton);
    ASSERT_TRUE(AwaitEnd(w, 1000));
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(w.row(n).lblStatus->text().startsWith("Stopped during the read")) << w.row(n).lblStatus->text().toStdString();
    EXPECT_EQ(w.lblSummary()->text(), "0 of 3 radios programmed.");
}

}  // namespace
}  // namespace vantrel
