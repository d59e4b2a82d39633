#include "gui/shell/frmSpla.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/Twips.h"

namespace vantrel {

frmSpla::frmSpla(QWidget* parent) : QDialog(parent) {
    setObjectName("frmSpla");
    setWindowTitle("Vantrel CPS");
    auto* logo = new QLabel("VANTREL", this);
    logo->setObjectName("imgLogo");
    QFont f = logo->font();
    f.setPointSize(28);
    f.setBold(true);
    logo->setFont(f);
    logo->setAlignment(Qt::AlignCenter);
    auto* product = new QLabel(tr("Customer Programming Software"), this);
    product->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdPassOk");
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo);
    layout->addWidget(product);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setMinimumSize(twips(5400), twips(3000));
    connect(ok, &QPushButton::clicked, this, [this] {
        close();
        onOk();
    });
}

}  // namespace vantrel
