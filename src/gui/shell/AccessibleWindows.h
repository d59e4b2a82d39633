#pragma once
// Makes the program's windows readable by a screen reader: every window (and
// the editor's MDI frame) names and describes its controls when it shows
// (gui/common/Accessibility.h), a message box carries its text as its
// description, the channel grid reads as a table (gui/channels/GridAccessible.h),
// and a control's description follows its help as it changes (the priority
// channel's range) whenever it takes the focus.
namespace vantrel {

// Installs the above for the whole application; once is enough, more is harmless.
void InstallAccessibleWindows();

}  // namespace vantrel
