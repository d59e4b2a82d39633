#pragma once
// File > Radio Archive...: the archive window on the editor. An entry opened
// from it replaces the editor's data as File > Open does; the status bar then
// names the radio and the time it came from.
namespace vantrel {

class MDIFormMain;
class MainShell;

void InstallArchiveCommand(MDIFormMain& main, MainShell& shell);

}  // namespace vantrel
