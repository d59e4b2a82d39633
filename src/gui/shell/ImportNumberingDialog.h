#pragma once
// The question before Import Channels: keep the list's channel numbers, or
// fill the radio's channels from a first one in the list's order. Real lists
// number their rows from 0, from 100 or with gaps, and the radio has channels
// 1 to 8 or 16 only.
#include <QDialog>

#include "gui/common/Prompts.h"

class QRadioButton;
class QSpinBox;

namespace vantrel {

class ImportNumberingDialog : public QDialog {
    Q_OBJECT
public:
    ImportNumberingDialog(int channelCount, QWidget* parent);

    Prompts::ImportNumbering choice() const;

private:
    QRadioButton* keep_;
    QRadioButton* fill_;
    QSpinBox* first_;
};

}  // namespace vantrel
