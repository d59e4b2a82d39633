#include "gui/shell/MainShell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "base/DataFolder.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/Translations.h"
#include "gui/common/WindowFocus.h"
#include "gui/common/WindowPlacement.h"
#include "gui/shell/AboutBox.h"
#include "gui/shell/ChannelCsvCommands.h"
#include "gui/shell/ClosingSequence.h"
#include "gui/shell/CommPortMenu.h"
#include "gui/shell/CurrentFile.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/HelpViewer.h"
#include "gui/shell/MDIFormMain.h"
#include "link/PortFile.h"
#include "shell/DataFileRegistration.h"

namespace vantrel {

namespace {

// The port file lives beside the per-user settings.
std::filesystem::path portFileFolder(const QSettings& settings) {
    return QFileInfo(settings.fileName()).absolutePath().toStdString();
}

std::array<QAction*, CommPortMenu::kPorts> portItems(const MDIFormMain& main) {
    std::array<QAction*, CommPortMenu::kPorts> items{};
    for (int n = 1; n <= CommPortMenu::kPorts; ++n)
        items[static_cast<std::size_t>(n - 1)] = main.menuAction(QStringLiteral("mnuPortCom%1").arg(n));
    return items;
}

}  // namespace

MainShell::MainShell(MDIFormMain& main)
    : QObject(&main), main_(main), files_(main.state(), main.prompts(), *main.editor()) {
    frmMain& editor = *main.editor();
    editorFrame_ = editor.parentWidget() ? editor.parentWidget() : &editor;

    files_.enableSave = [this] {
        main_.menuAction(QStringLiteral("mnuFileSave"))->setEnabled(true);
        main_.toolbarButton(2)->setEnabled(true);
    };
    using C = MDIFormMain::Command;
    main.setCommand(C::Open, [this] { files_.mnuFileOpen_Click(); });
    main.setCommand(C::Save, [this] { files_.mnuFileSave_Click(); });
    main.setCommand(C::Help, [this] { ShowHelp(); });
    // F1: the page about the part of the editor that has the keyboard.
    auto* contextHelp = new QShortcut(QKeySequence(Qt::Key_F1), &main);
    contextHelp->setObjectName(QStringLiteral("scF1Help"));
    connect(contextHelp, &QShortcut::activated, this, [this] { ShowHelp(HelpPageForFocus()); });
    main.setCommand(C::About, [this] { main_.setCompanion(MDIFormMain::Companion::About, ShowAboutBox(&main_)); });
    main.setCommand(C::Exit, [this] { Exit(); });

    portMenu_ = std::make_unique<CommPortMenu>(
        portItems(main), [&editor] { editor.grid()->EndCellEdit(); }, [this] { main_.openCommPort(); });
    editor.readPortFile = [this] { portMenu_->select(link::ReadPortFile(portFileFolder(main_.settings()))); };

    main.registerFileType = [] {
        if (RegistersAtStart())
            RegisterDataFileType(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
                                 DataFilePath("vantrel-cps.svg"));
    };

    current_ = new CurrentFile(main, main.settings());
    files_.startFolder = [this] { return current_->startFolder(); };
    files_.proposedName = [this] { return current_->proposedName(QStringLiteral(".cpg")); };
    files_.fileUsed = [this](const QString& path) { current_->setPath(path); };
    files_.saved = [this] { main_.editorUndo().amend(); };
    // The opened file is a step of its own, and the one undo counts as saved.
    files_.loaded = [this] { main_.editorUndo().opened(); };
    main.fileLoaded = [this](const QString& path) { current_->setPath(path); };
    current_->openRecent = [this](const QString& path) {
        main_.editor()->grid()->EndCellEdit();
        files_.mnuFileOpen_Click(path);
    };
    // Data read from the radio are no longer the file's.
    connect(&editor, &frmMain::populating, this, [this](frmMain::LoadKind kind) {
        if (kind == frmMain::LoadKind::Read) current_->clear();
    });
    channelCsv_ = new ChannelCsvCommands(main, *current_);

    main.installEventFilter(this);
    editorFrame_->installEventFilter(this);
}

MainShell::~MainShell() = default;

void MainShell::ShowHelp(const QString& page) {
    if (!help_) {
        help_ = std::make_unique<HelpViewer>();
        // Placed by the window manager it may hang below the screen's edge.
        CentreOver(*help_, main_);
    }
    help_->showPage(page.isEmpty() ? HelpIndexPath() : page);
}

QString MainShell::HelpPageForFocus() const {
    frmMain& editor = *main_.editor();
    const QTabWidget* tabs = editor.tabs();
    const QWidget* focus = QApplication::focusWidget();
    // The tab bar stands for the page it shows.
    if (focus == tabs->tabBar()) focus = tabs->currentWidget();
    const std::pair<const QWidget*, const char*> pages[] = {
        {editor.scanList(), "scan-list.html"},
        {tabs->widget(0), "radio-configuration.html"},
        {tabs->widget(1), "channels.html"},
    };
    for (const auto& [area, page] : pages)
        if (focus && (focus == area || area->isAncestorOf(focus)))
            return LocalizedDataFile(QStringLiteral("Help"), QString::fromLatin1(page));
    return HelpIndexPath();
}

void MainShell::Exit() {
    AppState& state = main_.state();
    state.exitRequested = true;
    main_.editor()->grid()->closeToneDialog();
    main_.editor()->context().closeReadWriteDialog();
    // Closing the main window runs the editor's closing sequence first; when
    // that is cancelled the program goes on as before.
    if (!main_.close()) state.exitRequested = false;
}

bool MainShell::closeEditor() {
    frmMain& editor = *main_.editor();
    ClosingSequence sequence{main_.state(), main_.prompts(), main_.settings(),
                             [this] { files_.mnuFileSave_Click(); },
                             [&editor] { FocusWindow(&editor); },
                             [this] { writePortFile(); }};
    editorClosed_ = sequence.run(*editorFrame_);
    return editorClosed_;
}

void MainShell::writePortFile() {
    link::WritePortFile(portFileFolder(main_.settings()), portMenu_->selectedPort());
}

bool MainShell::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);

    if (watched == editorFrame_) {
        // The editor window is never closed on its own: once its closing
        // sequence has run, the whole program ends with the main window.
        event->ignore();
        if (editorClosed_ || !closeEditor()) return true;
        if (!main_.state().exitRequested) {
            main_.editor()->grid()->closeToneDialog();
            main_.editor()->context().closeReadWriteDialog();
            main_.close();
        }
        return true;
    }
    if (watched == &main_) {
        if (!editorClosed_ && !closeEditor()) {
            event->ignore();
            return true;
        }
        main_.state().appClosing = true;
        using W = MDIFormMain::Companion;
        for (W kind : {W::Preview, W::ReadWrite, W::About})
            if (QWidget* window = main_.shownCompanion(kind)) window->close();
        if (help_) help_->close();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
