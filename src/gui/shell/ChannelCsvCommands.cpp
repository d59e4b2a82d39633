#include "gui/shell/ChannelCsvCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>

#include "base/AtomicFile.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/CoreTexts.h"
#include "gui/shell/CurrentFile.h"
#include "gui/shell/MDIFormMain.h"
#include "model/EditingModel.h"
#include "shell/ChirpCsv.h"

namespace vantrel {

namespace {

// The pattern stays as it is in every language.
QString csvFilter() {
    return QCoreApplication::translate("vantrel::ChannelCsvCommands", "CHIRP channel list") +
           QStringLiteral(" (*.csv)");
}
QString exportTitle() { return QCoreApplication::translate("vantrel::ChannelCsvCommands", "Export Channels"); }
QString importTitle() { return QCoreApplication::translate("vantrel::ChannelCsvCommands", "Import Channels"); }

QAction* addBefore(QMenu* menu, QAction* before, const char* name, const QString& caption) {
    auto* a = new QAction(caption, menu);
    a->setObjectName(QString::fromLatin1(name));
    menu->insertAction(before, a);
    return a;
}

}  // namespace

ChannelCsvCommands::ChannelCsvCommands(MDIFormMain& main, CurrentFile& place)
    : QObject(&main), main_(main), place_(place) {
    QMenu* file = main.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QAction* bar = main.menuAction(QStringLiteral("mnuFileBar1"));
    export_ = addBefore(file, bar, "mnuFileExport", tr("&Export Channels.."));
    import_ = addBefore(file, bar, "mnuFileImport", tr("&Import Channels.."));
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
        prompts.saveFileName({exportTitle(), place_.startFolder(), place_.proposedName(QStringLiteral(".csv")),
                              csvFilter(), QStringLiteral("csv")});
    if (path.isEmpty()) return;
    place_.rememberFolder(path);
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), ExportChirpCsv(main_.state()), &error))
        prompts.tell(path + QStringLiteral(": ") + TrCoreText(error), exportTitle(),
                     Prompts::Icon::Exclamation);
}

void ChannelCsvCommands::ImportChannels() {
    Prompts& prompts = main_.prompts();
    const QString path = prompts.openFileName({importTitle(), place_.startFolder(), QString(), csvFilter()});
    if (path.isEmpty()) return;
    place_.rememberFolder(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts.tell(path + QStringLiteral(": ") + file.errorString(), importTitle(), Prompts::Icon::Exclamation);
        return;
    }
    const QByteArray text = file.readAll();

    // Imported into the editor's model whole or not at all; the editor then
    // shows the imported channels and scan list at once, as one step.
    frmMain& editor = *main_.editor();
    EditingModel& model = editor.model();
    const std::optional<Prompts::ImportNumbering> numbering = prompts.importNumbering(model.channelCount());
    if (!numbering) return;
    const EditingModel::Snapshot before = model.snapshot();
    const ChirpImport result =
        ImportChirpCsv(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), model,
                       numbering->fill ? std::optional<int>(numbering->firstChannel) : std::nullopt);
    if (!result.error.empty()) {
        model.restore(before);
        prompts.tell(TrCoreText(result.error), importTitle(), Prompts::Icon::Exclamation);
        return;
    }
    editor.repaint();
    editor.scanList()->updateButtons();
    emit editor.grid()->edited();

    // The closing line first, then what the radio could not keep.
    QString message = TrCoreText(ImportSummary(result));
    if (result.namesDropped) message += QStringLiteral("\r\n") + TrCoreText(QString::fromLatin1(kNamesNotKept));
    if (!result.skipped.empty()) message += QStringLiteral("\r\n") + tr("Left out:");
    for (const SkippedRow& row : result.skipped) message += QStringLiteral("\r\n") + TrCoreText(SkippedRowText(row));
    prompts.tell(message, importTitle(),
                 result.skipped.empty() ? Prompts::Icon::Information : Prompts::Icon::Exclamation);
}

}  // namespace vantrel
