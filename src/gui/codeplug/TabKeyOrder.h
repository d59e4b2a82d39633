#pragma once
// The Tab-key order of the editor: the Radio Configuration tab, then the
// scan list and the factory boxes.

namespace vantrel {

class frmMain;

// Tab walks the tab as it reads, column by column from the top: Radio
// Information, then scan, time-out timer and features, then the buttons and
// the user tones. The frames are built in another order, which would send
// the focus up and down the columns.
void OrderFirstTab(frmMain& editor);

}  // namespace vantrel
