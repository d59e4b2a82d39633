#pragma once
// The channel grid as a screen reader reads it: a table of channels by
// settings whose fixed first row and column are its column and row headers.
// A cell's name is its channel and its column's caption ("Channel 3, Rx
// Freq."), its value the cell's text and its description the column's
// status-bar help; captions and numbers are read from the grid as shown.
class QAccessibleInterface;
class QObject;
class QString;

namespace vantrel {

// For QAccessible::installFactory: the grid's interface, nullptr for any
// other object.
QAccessibleInterface* ChannelGridAccessible(const QString& className, QObject* object);

}  // namespace vantrel
