#pragma once
// The editor form's hover help: while the mouse is over a control, the first
// panel of the status bar shows that control's text.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace vantrel {

struct StatusHelpEntry {
    const char* control;
    const char* text;
};

// Every control of the editor form with its help text. The priority channel
// controls are absent: their text names the channel count (see installStatusHelp).
const std::vector<StatusHelpEntry>& statusHelpTable();

// Installs the hover help on every control of the table found under form.
// priorityText gives the text of the priority channel controls.
void installStatusHelp(QWidget* form, std::function<void(const QString&)> setText,
                       std::function<QString()> priorityText);

// The text the status bar shows while the mouse is over w, as it reads now;
// empty when w has no hover help.
QString statusHelpText(const QWidget& w);

}  // namespace vantrel
