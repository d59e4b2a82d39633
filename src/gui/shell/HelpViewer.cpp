#include "gui/shell/HelpViewer.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/common/Translations.h"

namespace vantrel {

QString HelpIndexPath() { return LocalizedDataFile(QStringLiteral("Help"), QStringLiteral("index.html")); }

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Vantrel CPS Help"));
    browser_->setObjectName(QStringLiteral("txtHelp"));
    // Pages link to each other; web addresses go to the desktop's browser.
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->addAction(tr("Contents"), browser_, &QTextBrowser::home);
    QAction* back = bar->addAction(tr("Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(720, 560);
}

void HelpViewer::keyPressEvent(QKeyEvent* e) {
    // Esc closes the window, as it closes the program's dialogs.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
    else QWidget::keyPressEvent(e);
}

bool HelpViewer::showPage(const QString& file) {
    if (!QFileInfo(file).isFile()) return false;
    browser_->setSource(QUrl::fromLocalFile(file));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace vantrel
