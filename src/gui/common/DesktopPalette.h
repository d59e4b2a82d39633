#pragma once
// The program's colours come from the desktop's theme. Where the desktop
// gives Qt programs no theme of its own (a bare window manager, a remote
// session), the stored setting Settings/Palette chooses one: "dark" for a dark
// palette, "light" for the style's own; absent or empty, the desktop's.
#include <QPalette>

class QSettings;

namespace vantrel {

// A dark palette in the Fusion style's colour scheme.
QPalette DarkPalette();

// Applies the setting; runs before the first window is built, since some
// forms take their colours as they are built.
void ApplyPaletteSetting(QSettings& settings);

}  // namespace vantrel
