#pragma once
// What the editor does when a read ends: after a whole codeplug the dialog
// closes and the editor shows the radio (a protected one locks and asks for
// its password); after any read that got as far as the radio, the scan list
// buttons and the grid's frame, and the failed read's own tail.
#include "link/TransferOutcome.h"

namespace vantrel {

class MDIFormMain;
class frmProgram;

void FinishRead(MDIFormMain& main, frmProgram& dialog, link::TransferOutcome outcome);

}  // namespace vantrel
