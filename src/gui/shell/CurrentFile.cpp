#include "gui/shell/CurrentFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "gui/shell/MDIFormMain.h"

namespace vantrel {

namespace {

const QString kRecentKey = QStringLiteral("Settings/RecentFiles");
const QString kFolderKey = QStringLiteral("Settings/LastFolder");
const QString kProgramName = QStringLiteral("Vantrel CPS");

}  // namespace

CurrentFile::CurrentFile(MDIFormMain& main, QSettings& settings)
    : QObject(&main), main_(main), state_(main.state()), settings_(settings) {
    // The recent files go after the last separator, with one of their own
    // before Exit.
    QAction* exit = main_.menuAction(QStringLiteral("mnuFileExit"));
    QMenu* file = main_.findChild<QMenu*>(QStringLiteral("mnuFile"));
    for (int i = 0; i < kRecentCount; ++i) {
        recent_[i] = new QAction(file);
        recent_[i]->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        file->insertAction(exit, recent_[i]);
        connect(recent_[i], &QAction::triggered, this, [this, i] {
            const QStringList files = recentFiles();
            if (i < files.size()) openRecent(files[i]);
        });
    }
    recentBar_ = new QAction(file);
    recentBar_->setSeparator(true);
    recentBar_->setObjectName(QStringLiteral("mnuFileRecentBar"));
    file->insertAction(exit, recentBar_);
    state_.dataChanged.onChange = [this](bool changed) { main_.setWindowModified(changed); };
    main_.setWindowModified(state_.dataChanged);
    updateTitle();
    updateRecentMenu();
}

// The state outlives the main window; its flag must not call into a window
// that is gone.
CurrentFile::~CurrentFile() { state_.dataChanged.onChange = nullptr; }

void CurrentFile::setPath(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    rememberFolder(path_);
    QStringList files = recentFiles();
    files.removeAll(path_);
    files.prepend(path_);
    while (files.size() > kRecentCount) files.removeLast();
    settings_.setValue(kRecentKey, files);
    updateTitle();
    updateRecentMenu();
}

void CurrentFile::clear() {
    path_.clear();
    updateTitle();
}

void CurrentFile::rememberFolder(const QString& path) {
    settings_.setValue(kFolderKey, QFileInfo(path).absolutePath());
}

QString CurrentFile::startFolder() const { return settings_.value(kFolderKey).toString(); }

QString CurrentFile::proposedName(const QString& suffix) const {
    if (path_.isEmpty()) return {};
    const QString name = QFileInfo(path_).completeBaseName() + suffix;
    const QString folder = startFolder();
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QStringList CurrentFile::recentFiles() const { return settings_.value(kRecentKey).toStringList(); }

void CurrentFile::updateTitle() {
    // "[*]" is where Qt shows the `*` of a modified window.
    main_.setWindowTitle(path_.isEmpty() ? kProgramName + QStringLiteral("[*]")
                                         : QFileInfo(path_).fileName() + QStringLiteral("[*] - ") + kProgramName);
}

void CurrentFile::updateRecentMenu() {
    const QStringList files = recentFiles();
    recentBar_->setVisible(!files.isEmpty());
    for (int i = 0; i < kRecentCount; ++i) {
        const bool used = i < files.size();
        recent_[i]->setVisible(used);
        if (used) recent_[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
    }
}

}  // namespace vantrel
