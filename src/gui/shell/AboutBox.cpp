#include "gui/shell/AboutBox.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DataFolder.h"

namespace vantrel {

frmAbout::frmAbout(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Vantrel CPS"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(QPixmap(QString::fromStdString(DataFilePath("vantrel-cps.png"))).scaled(64, 64));
    auto* title = new QLabel(QStringLiteral("<b>Vantrel CPS</b>"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    auto* description =
        new QLabel(tr("Customer programming software for Vantrel two-way radios"), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    auto* version = new QLabel(tr("Version : ") + QLatin1String(kReleaseCode), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(description);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

void frmAbout::enableMainWindow() {
    if (mainWindow_) mainWindow_->setEnabled(true);
}

void frmAbout::done(int result) {
    enableMainWindow();
    QDialog::done(result);
}

void frmAbout::closeEvent(QCloseEvent* event) {
    enableMainWindow();
    QDialog::closeEvent(event);
}

frmAbout* ShowAboutBox(QWidget* mainWindow) {
    // Disabling a window disables the windows it already owns, so the box is
    // made afterwards.
    if (mainWindow) mainWindow->setEnabled(false);
    auto* box = new frmAbout(mainWindow);
    box->show();
    return box;
}

}  // namespace vantrel
