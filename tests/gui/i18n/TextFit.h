#pragma once
// Finds the texts of a window that their controls cut: captions, labels,
// check boxes, radio buttons, push buttons, group-box titles, tabs and the
// channel grid's header cells, each measured with its own font against the
// room the control has now.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QWidget>

namespace vantrel::test {

inline QString plain(QString text) { return text.remove(QLatin1Char('&')); }

inline QString describe(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 %2 \"%3\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
}

inline void checkLabel(const QLabel* l, QStringList& cut) {
    const QString text = l->text();
    if (text.isEmpty() || !l->pixmap().isNull()) return;
    const QRect room = l->contentsRect();
    if (l->wordWrap() || Qt::mightBeRichText(text)) {
        // A wrapping or rich label needs the height its text takes at its width.
        if (l->heightForWidth(l->width()) > l->height() + 1) cut << describe(l, text);
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, l->fontMetrics().horizontalAdvance(plain(line)));
    const int tall = l->fontMetrics().lineSpacing() * static_cast<int>(lines.size());
    if (widest > room.width() || tall > room.height() + l->fontMetrics().leading() + 1) cut << describe(l, text);
}

// Buttons, check boxes and radio buttons draw their text in what their size
// hint asks for beside the indicator and margins.
inline void checkButton(const QAbstractButton* b, QStringList& cut) {
    if (b->text().isEmpty()) return;
    if (b->sizeHint().width() > b->width())
        cut << describe(b, b->text()) + QStringLiteral(" needs %1, has %2").arg(b->sizeHint().width()).arg(b->width());
}

inline void checkGroupBox(const QGroupBox* g, QStringList& cut) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    const int need = g->fontMetrics().horizontalAdvance(plain(g->title()));
    if (need > label.width() || label.right() > g->rect().right()) cut << describe(g, g->title());
}

// A tab holds its text and the style's margins, and the bar holds the tab.
inline void checkTabs(const QTabBar* bar, QStringList& cut) {
    const int margins = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        if (tab.width() < bar->fontMetrics().horizontalAdvance(plain(bar->tabText(i))) + margins ||
            tab.right() > bar->rect().right())
            cut << describe(bar, bar->tabText(i));
    }
}

// The grid's first row holds its column captions in columns of fixed width.
inline void checkGridHeader(const QTableWidget* table, QStringList& cut) {
    if (table->objectName() != QLatin1String("fgChannel") || table->rowCount() == 0) return;
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(0, c);
        if (!item || item->text().isEmpty()) continue;
        const QFontMetrics fm(item->font().resolve(table->font()));
        if (fm.horizontalAdvance(item->text()) + 4 > table->columnWidth(c)) cut << describe(table, item->text());
    }
}

// Every visible text control under root (root included).
inline QStringList CutTexts(QWidget* root) {
    QStringList cut;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (const QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        if (const auto* l = qobject_cast<const QLabel*>(w)) checkLabel(l, cut);
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) checkButton(b, cut);
        else if (const auto* g = qobject_cast<const QGroupBox*>(w)) checkGroupBox(g, cut);
        else if (const auto* t = qobject_cast<const QTabBar*>(w)) checkTabs(t, cut);
        else if (const auto* table = qobject_cast<const QTableWidget*>(w)) checkGridHeader(table, cut);
    }
    return cut;
}

// Menu titles inside the menu bar, and every menu no wider than the screen.
inline QStringList CutMenus(QMenuBar* bar) {
    QStringList cut;
    for (QAction* a : bar->actions()) {
        if (a->text().isEmpty()) continue;
        if (!bar->rect().contains(bar->actionGeometry(a))) cut << QStringLiteral("menu title \"%1\"").arg(a->text());
        if (QMenu* menu = a->menu()) {
            const int screen = bar->screen() ? bar->screen()->availableGeometry().width() : 800;
            if (menu->sizeHint().width() > screen) cut << QStringLiteral("menu \"%1\"").arg(a->text());
        }
    }
    return cut;
}

}  // namespace vantrel::test
