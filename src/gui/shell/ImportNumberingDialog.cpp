#include "gui/shell/ImportNumberingDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantrel {

ImportNumberingDialog::ImportNumberingDialog(int channelCount, QWidget* parent)
    : QDialog(parent),
      keep_(new QRadioButton(tr("&Keep the list's channel numbers"), this)),
      fill_(new QRadioButton(tr("&Fill channels from"), this)),
      first_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("frmImportNumbering"));
    setWindowTitle(tr("Import Channels"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    keep_->setObjectName(QStringLiteral("optKeepNumbers"));
    fill_->setObjectName(QStringLiteral("optFillChannels"));
    first_->setObjectName(QStringLiteral("udFirstChannel"));
    first_->setRange(1, channelCount);
    first_->setAccessibleName(tr("First channel"));
    keep_->setChecked(true);
    first_->setEnabled(false);
    connect(fill_, &QRadioButton::toggled, first_, &QWidget::setEnabled);

    auto* fillRow = new QHBoxLayout;
    fillRow->addWidget(fill_);
    fillRow->addWidget(first_);
    fillRow->addWidget(new QLabel(tr("in the list's order, skipping rows the radio cannot take"), this));
    fillRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keep_);
    layout->addLayout(fillRow);
    layout->addWidget(buttons);
}

Prompts::ImportNumbering ImportNumberingDialog::choice() const { return {fill_->isChecked(), first_->value()}; }

}  // namespace vantrel
