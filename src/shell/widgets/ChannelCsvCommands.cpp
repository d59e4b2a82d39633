#include "shell/widgets/ChannelCsvCommands.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include "channels/ChannelEdits.h"
#include "channels/ToneTables.h"
#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ScanListPanel.h"
#include "codeplug/widgets/frmMain.h"
#include "shell/AtomicFile.h"
#include "shell/ChirpCsv.h"
#include "shell/widgets/CurrentFile.h"
#include "shell/widgets/MDIFormMain.h"

namespace vantrel {

namespace {

const QString kCsvFilter = QStringLiteral("CHIRP channel list (*.csv)");
const QString kExportTitle = QStringLiteral("Export Channels");
const QString kImportTitle = QStringLiteral("Import Channels");

// The image edits plus what only the grid keeps: a transmit side given CSQ
// or DPL starts its reverse-burst steps again, as the tone dialog does.
class GridChannelEdits : public ImageChannelEdits {
public:
    GridChannelEdits(AppState& state, ChannelGrid& grid) : ImageChannelEdits(state), grid_(grid) {}
    void chooseSignal(int n, Side side, int code, bool inverted) override {
        ImageChannelEdits::chooseSignal(n, side, code, inverted);
        const SignalKind kind = KindOfSignal(code);
        if (side == Side::Tx && (kind == SignalKind::Csq || kind == SignalKind::Dpl)) grid_.setRevBurstStep(n, 0);
    }

private:
    ChannelGrid& grid_;
};

QAction* addBefore(QMenu* menu, QAction* before, const char* name, const char* caption) {
    auto* a = new QAction(QString::fromLatin1(caption), menu);
    a->setObjectName(QString::fromLatin1(name));
    menu->insertAction(before, a);
    return a;
}

}  // namespace

ChannelCsvCommands::ChannelCsvCommands(MDIFormMain& main, CurrentFile& place)
    : QObject(&main), main_(main), place_(place) {
    QMenu* file = main.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QAction* bar = main.menuAction(QStringLiteral("mnuFileBar1"));
    export_ = addBefore(file, bar, "mnuFileExport", "&Export Channels..");
    import_ = addBefore(file, bar, "mnuFileImport", "&Import Channels..");
    // Usable, like Default, once an unlocked codeplug is in the editor.
    QAction* defaults = main.menuAction(QStringLiteral("mnuDefault"));
    auto follow = [this, defaults] {
        export_->setEnabled(defaults->isEnabled());
        import_->setEnabled(defaults->isEnabled());
    };
    connect(defaults, &QAction::changed, this, follow);
    follow();
    connect(export_, &QAction::triggered, this, [this] {
        main_.editor()->grid()->EndCellEdit();
        ExportChannels();
    });
    connect(import_, &QAction::triggered, this, [this] {
        main_.editor()->grid()->EndCellEdit();
        ImportChannels();
    });
}

void ChannelCsvCommands::ExportChannels() {
    Prompts& prompts = main_.prompts();
    const QString path =
        prompts.saveFileName({kExportTitle, place_.startFolder(), place_.proposedName(QStringLiteral(".csv")), kCsvFilter});
    if (path.isEmpty()) return;
    place_.rememberFolder(path);
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), ExportChirpCsv(main_.state()), &error))
        prompts.tell(path + QStringLiteral(": ") + QString::fromStdString(error), kExportTitle,
                     Prompts::Icon::Exclamation);
}

void ChannelCsvCommands::ImportChannels() {
    Prompts& prompts = main_.prompts();
    const QString path = prompts.openFileName({kImportTitle, place_.startFolder(), QString(), kCsvFilter});
    if (path.isEmpty()) return;
    place_.rememberFolder(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts.tell(path + QStringLiteral(": ") + file.errorString(), kImportTitle, Prompts::Icon::Exclamation);
        return;
    }
    const QByteArray text = file.readAll();

    frmMain& editor = *main_.editor();
    GridChannelEdits edits(main_.state(), *editor.grid());
    const ChirpImport result =
        ImportChirpCsv(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), main_.state(), edits);
    if (!result.error.empty()) {
        prompts.tell(QString::fromStdString(result.error), kImportTitle, Prompts::Icon::Exclamation);
        return;
    }
    // The editor shows the imported channels and scan list at once.
    editor.grid()->ShowChannelGrid();
    editor.grid()->ShadeChannelGrid();
    ScanListPanel& scan = *editor.scanList();
    scan.ResetScanLists();
    scan.ShowScanList();
    scan.updateButtons();

    if (result.skipped.empty()) return;
    QString message = QStringLiteral("%1 of %2 channels imported. Left out:")
                          .arg(result.imported)
                          .arg(result.imported + static_cast<int>(result.skipped.size()));
    for (const SkippedRow& row : result.skipped) message += QStringLiteral("\r\n") + QString::fromStdString(SkippedRowText(row));
    prompts.tell(message, kImportTitle, Prompts::Icon::Exclamation);
}

}  // namespace vantrel
