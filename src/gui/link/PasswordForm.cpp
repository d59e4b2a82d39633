#include "gui/link/PasswordForm.h"

#include "gui/common/CoreTexts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/WindowPlacement.h"
#include "gui/link/OwnedWindow.h"
#include "link/PasswordCheck.h"

namespace vantrel {

namespace {
constexpr int kPasswordLimit = 8;
}

PasswordForm::PasswordForm(const QString& objectName, QWidget* owner)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), owner_(owner) {
    setObjectName(objectName);
    setWindowTitle(TrCoreText(QString::fromLatin1(link::text::kPasswordCaption)));
    label1_ = new QLabel(TrCoreText(QString::fromLatin1(link::text::kCodeplugProtected)), this);
    label1_->setObjectName("Label1");
    lblPassWord_ = new QLabel(TrCoreText(QString::fromLatin1(link::text::kEnterPassword)), this);
    lblPassWord_->setObjectName("lblPassWord");
    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName("txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    txtPassword_->setMaxLength(kPasswordLimit);
    cmdPassOk_ = new QPushButton(tr("&OK"), this);
    cmdPassOk_->setObjectName("cmdPassOk");
    cmdPassOk_->setDefault(true);
    cmdPassOk_->setAutoDefault(true);
    cmdPassCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdPassCancel_->setObjectName("cmdPassCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPassOk_);
    buttons->addWidget(cmdPassCancel_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label1_, 0, 0);
    layout->addWidget(lblPassWord_, 1, 0);
    layout->addWidget(txtPassword_, 2, 0);
    layout->addLayout(buttons, 3, 0);

    connect(cmdPassOk_, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(cmdPassCancel_, &QPushButton::clicked, this, [this] { cancelClicked(); });
    connect(txtPassword_, &QLineEdit::returnPressed, cmdPassOk_, &QPushButton::click);
}

void PasswordForm::open() {
    unloading_ = false;
    label1_->setText(TrCoreText(QString::fromLatin1(link::text::kCodeplugProtected)));
    lblPassWord_->setText(TrCoreText(QString::fromLatin1(link::text::kEnterPassword)));
    txtPassword_->clear();
    if (owner_) CentreOver(*this, *owner_);
    KeepInFrontOf(this, owner_);
    show();
    raise();
    activateWindow();
    txtPassword_->setFocus();
}

void PasswordForm::unload() {
    if (unloading_ || isHidden()) return;
    unloading_ = true;
    onUnload();
    hide();
}

void PasswordForm::showInvalidTexts() {
    label1_->setText(TrCoreText(QString::fromLatin1(link::text::kInvalidPassword)));
    lblPassWord_->setText(TrCoreText(QString::fromLatin1(link::text::kEnterCorrectPassword)));
    txtPassword_->clear();
}

void PasswordForm::closeEvent(QCloseEvent* e) {
    // The close box: the unload runs, the window only hides.
    e->ignore();
    unload();
}

void PasswordForm::keyPressEvent(QKeyEvent* e) {
    // Esc is no Cancel here; only the buttons and the close box end the prompt.
    if (e->key() == Qt::Key_Escape) return;
    QWidget::keyPressEvent(e);
}

}  // namespace vantrel
