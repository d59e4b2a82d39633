#pragma once
// Accessible names and descriptions of a window's controls, derived from what
// the window already shows, so that a screen reader reads what a sighted user
// reads (and in the same language). A control with a caption of its own (a
// button, a check box) keeps the name Qt gives it from that caption; any other
// control is named by the label the form pairs with it:
//   1. a label whose buddy it is;
//   2. the label beside it in its layout: in a grid the nearest label to its
//      left in the same row (with the heading above its column, when the grid
//      has one), else the label above it in the same column; in a row of
//      widgets the nearest label before it;
//   3. its placeholder text or tool tip;
//   4. the captions of its visible column headers (a list with headers);
//   5. what it lies in: a titled group box, a tab page's caption, the window's
//      title.
// Descriptions come from the help the window shows for the control (or for
// its label), e.g. the editor's status-bar help.
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace vantrel {

// A widget the user operates: buttons, boxes, lists, tables, tab bars,
// scroll bars and any other widget that takes the focus by Tab. The parts of
// a control (a spin box's text, a list's scroll bars) are not controls of
// their own.
bool IsControl(const QWidget& w);

// The label the form pairs with a control (steps 1 and 2 above), or nullptr.
QLabel* LabelOf(const QWidget& control);

// The name steps 1 to 5 give a control without a caption of its own.
QString DerivedName(const QWidget& control);

// The help text the window shows for a widget, empty for none.
using HelpLookup = std::function<QString(const QWidget&)>;

// Names every control under root that has neither an accessible name nor a
// caption of its own, makes its label its buddy (the label a screen reader
// reports it labelled by) and describes every control for which help has a text.
void NameControls(QWidget& root, const HelpLookup& help);

// The controls under root, in the order of the widget tree.
std::vector<QWidget*> ControlsUnder(const QWidget& root);

}  // namespace vantrel
