#pragma once
// Device > Program Several Radios...: the fleet window on the editor's data.
// The item is usable whenever Write is.
namespace vantrel {

class MDIFormMain;
class RadioLink;

void InstallFleetCommand(MDIFormMain& main, RadioLink& radioLink);

}  // namespace vantrel
