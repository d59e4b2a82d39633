#pragma once
// File > Radio Archive...: the archive window on the editor. An entry opened
// from it replaces the editor's data as File > Open does; the status bar then
// names the radio and the time it came from. After each Read, the notice of
// a radio that no longer holds its last write (ReadNotice) opens the window
// on that write's comparison.
namespace vantrel {

class MDIFormMain;
class MainShell;

void InstallArchiveCommand(MDIFormMain& main, MainShell& shell);

}  // namespace vantrel
