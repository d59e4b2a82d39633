#pragma once
// The program's one icon set: its own icon for every window, and the toolbar
// pictures. A toolbar picture is the desktop theme's where the theme has one
// for the command; otherwise it is drawn here, with a disabled state that is
// plainly grey and faint.
#include <QIcon>
#include <QString>

namespace vantrel {

// The program's icon (the same object on every call).
const QIcon& ProgramIcon();

// The picture of a toolbar command by its key ("Open", "Save", "Read",
// "Write", "Print Preview", "Print", "Help").
QIcon ToolbarIcon(const QString& key);

// The drawn picture of a command, without looking at the desktop theme.
QIcon DrawnToolbarIcon(const QString& key);

}  // namespace vantrel
