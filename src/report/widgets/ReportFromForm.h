#pragma once
// The report's values read from the editor form at the moment of printing:
// the controls are found by their names (lblModel, chk..., txt..., the TPL
// box arrays by their "index" property, cmbButton_S1/S2, the grid fgChannel
// whose row n is channel n), the rest from the image.
#include "codeplug/CodeplugImage.h"
#include "report/ReportContent.h"

class QWidget;

namespace vantrel::report {

ReportContent ReportContentFromForm(const QWidget& frmMain, const CodeplugImage& image);

}  // namespace vantrel::report
