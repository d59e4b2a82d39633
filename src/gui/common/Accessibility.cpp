#include "gui/common/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

namespace vantrel {

namespace {

// A caption as a screen reader should say it: mnemonics ("&Filter") and the
// blanks that space captions on the form go.
QString plain(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        out += caption.at(i);
    }
    return out.simplified();
}

template <class... W>
bool isAny(const QWidget& w) {
    return (qobject_cast<const W*>(&w) || ...);
}

// A control by its kind, whatever it lies in.
bool operable(const QWidget& w) {
    if (w.isWindow() || isAny<QLabel>(w)) return false;
    if (isAny<QAbstractButton, QComboBox, QLineEdit, QAbstractSpinBox, QAbstractItemView, QAbstractSlider, QTabBar,
              QTextEdit, QPlainTextEdit>(w))
        return true;
    if (auto* group = qobject_cast<const QGroupBox*>(&w)) return group->isCheckable();
    // Containers hold controls; they are not operated themselves.
    if (isAny<QAbstractScrollArea, QTabWidget, QStackedWidget>(w)) return false;
    // Any other widget that takes the focus is a control when it holds no
    // widgets of its own (a picture); one that does is a frame (an MDI window).
    return (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
}

bool ownCaption(const QWidget& w) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&w)) return !plain(button->text()).isEmpty();
    if (auto* group = qobject_cast<const QGroupBox*>(&w)) return !plain(group->title()).isEmpty();
    return false;
}

QLabel* textLabel(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    return label && !plain(label->text()).isEmpty() ? label : nullptr;
}

struct Place {
    QLayout* layout = nullptr;
    int index = -1;
};

Place placeIn(QLayout* layout, const QWidget* w) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return {layout, i};
        if (const Place inner = placeIn(item->layout(), w); inner.layout) return inner;
    }
    return {};
}

struct Pairing {
    QLabel* label = nullptr;
    QLabel* heading = nullptr;  // the heading of a grid's column, read after the row's label
};

Pairing inGrid(QGridLayout& grid, int index) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid.getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    const auto at = [&grid](int r, int c) -> QWidget* {
        QLayoutItem* item = grid.itemAtPosition(r, c);
        return item ? item->widget() : nullptr;
    };
    for (int c = column - 1; c >= 0; --c)
        if (QLabel* label = textLabel(at(row, c)))
            return {label, row > 0 ? textLabel(at(0, column)) : nullptr};
    for (int r = row - 1; r >= 0; --r) {
        QWidget* above = at(r, column);
        if (QLabel* label = textLabel(above)) return {label, nullptr};
        if (above && operable(*above)) break;
    }
    return {};
}

Pairing inRow(QBoxLayout& box, int index) {
    for (int i = index - 1; i >= 0; --i)
        if (QLabel* label = textLabel(box.itemAt(i)->widget())) return {label, nullptr};
    return {};
}

Pairing pairing(const QWidget& control) {
    for (QLabel* label : control.window()->findChildren<QLabel*>())
        if (label->buddy() == &control) return {label, nullptr};
    QWidget* parent = control.parentWidget();
    const Place place = placeIn(parent ? parent->layout() : nullptr, &control);
    if (auto* grid = qobject_cast<QGridLayout*>(place.layout)) return inGrid(*grid, place.index);
    if (auto* box = qobject_cast<QBoxLayout*>(place.layout)) return inRow(*box, place.index);
    return {};
}

QString headerCaptions(const QWidget& control) {
    const auto* view = qobject_cast<const QAbstractItemView*>(&control);
    const QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<const QTreeView*>(view)) header = tree->header();
    if (auto* table = qobject_cast<const QTableView*>(view)) header = table->horizontalHeader();
    if (!header || header->isHidden() || !view->model()) return {};
    QStringList captions;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        captions << plain(view->model()->headerData(c, Qt::Horizontal).toString());
    captions.removeAll(QString());
    return captions.join(QStringLiteral(", "));
}

// What the control lies in: a titled group box, a tab page, the window.
QString context(const QWidget& control) {
    for (const QWidget* w = control.parentWidget(); w; w = w->parentWidget()) {
        if (auto* group = qobject_cast<const QGroupBox*>(w); group && !plain(group->title()).isEmpty())
            return plain(group->title());
        if (auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget()))
            if (auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget()))
                if (const int i = tabs->indexOf(const_cast<QWidget*>(w)); i >= 0 && !plain(tabs->tabText(i)).isEmpty())
                    return plain(tabs->tabText(i));
        if (!w->windowTitle().isEmpty()) return w->windowTitle();
        if (w->isWindow()) return w->accessibleName();
    }
    return {};
}

}  // namespace

bool IsControl(const QWidget& w) {
    if (!operable(w)) return false;
    for (const QWidget* up = w.parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (operable(*up)) return false;
    return true;
}

QLabel* LabelOf(const QWidget& control) { return pairing(control).label; }

QString DerivedName(const QWidget& control) {
    const Pairing p = pairing(control);
    if (p.label)
        return p.heading ? plain(p.label->text()) + QLatin1Char(' ') + plain(p.heading->text()) : plain(p.label->text());
    if (auto* box = qobject_cast<const QLineEdit*>(&control); box && !box->placeholderText().isEmpty())
        return box->placeholderText();
    if (!control.toolTip().isEmpty()) return plain(control.toolTip());
    if (const QString captions = headerCaptions(control); !captions.isEmpty()) return captions;
    return context(control);
}

std::vector<QWidget*> ControlsUnder(const QWidget& root) {
    std::vector<QWidget*> out;
    for (QWidget* w : root.findChildren<QWidget*>())
        if (w->window() == root.window() && IsControl(*w)) out.push_back(w);
    return out;
}

void NameControls(QWidget& root, const HelpLookup& help) {
    for (QWidget* control : ControlsUnder(root)) {
        if (control->accessibleName().isEmpty() && !ownCaption(*control))
            control->setAccessibleName(DerivedName(*control));
        // The label also becomes the control's buddy: screen readers on Linux
        // read a list to choose from by the label it is labelled by.
        if (QLabel* label = LabelOf(*control); label && !label->buddy()) label->setBuddy(control);
        if (!help) continue;
        QString description = help(*control).trimmed();
        if (description.isEmpty())
            if (QLabel* label = LabelOf(*control)) description = help(*label).trimmed();
        if (!description.isEmpty() && control->accessibleDescription() != description)
            control->setAccessibleDescription(description);
    }
}

}  // namespace vantrel
