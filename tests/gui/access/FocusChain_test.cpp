// The keyboard alone reaches every enabled control: Tab, started anywhere in
// a window, goes round all of them (a group of option buttons counts as
// reached when one of them is: arrows move within it), and Esc closes the
// dialogs.
#include <QAbstractButton>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <set>

#include "gui/access/AccessWindows.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/common/Accessibility.h"

namespace vantrel::test {
namespace {

// The control a focused widget belongs to (a spin box for its text part).
QWidget* controlOf(QWidget* w) {
    for (QWidget* up = w; up; up = up->parentWidget())
        if (IsControl(*up)) return up;
    return w;
}

std::set<QWidget*> tabRound(QWidget& window, QWidget* start) {
    EXPECT_TRUE(Activate(&window));
    start->setFocus(Qt::TabFocusReason);
    std::set<QWidget*> seen;
    QWidget* w = QApplication::focusWidget();
    for (int i = 0; i < 400 && w; ++i) {
        seen.insert(controlOf(w));
        QTest::keyClick(w, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == w || controlOf(next) == controlOf(start)) break;
        w = next;
    }
    return seen;
}

bool tabbable(const QWidget& w) {
    return w.isVisible() && w.isEnabled() && (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool reached(QWidget* c, const std::set<QWidget*>& seen) {
    if (seen.count(c)) return true;
    auto* option = qobject_cast<QRadioButton*>(c);
    if (!option || !option->autoExclusive()) return false;
    for (QWidget* s : seen)
        if (qobject_cast<QRadioButton*>(s) && s->parentWidget() == c->parentWidget()) return true;
    return false;
}

void expectRoundReachesAll(QWidget& window, QWidget& root, QWidget* start) {
    const std::set<QWidget*> seen = tabRound(window, start);
    int expected = 0;
    for (QWidget* c : ControlsUnder(root)) {
        if (!tabbable(*c)) continue;
        ++expected;
        EXPECT_TRUE(reached(c, seen)) << root.objectName().toStdString() << ": "
                                      << c->objectName().toStdString() << " ("
                                      << c->metaObject()->className() << ") not reached by Tab";
    }
    EXPECT_GT(expected, 0);
}

TEST(FocusChain, TabReachesEveryEnabledControlOfTheEditorOnBothTabs) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    frmMain& form = editor.form();
    for (int tab : {0, 1}) {
        SCOPED_TRACE(tab);
        form.tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        expectRoundReachesAll(*form.window(), form, form.tabs()->tabBar());
        EXPECT_TRUE(editor.f.prompts.messages.empty()) << editor.f.prompts.texts().join("\n").toStdString();
    }
}

TEST(FocusChain, TabReachesEveryEnabledControlOfEachDialogAndEscCloses) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    std::vector<std::shared_ptr<void>> keep;
    for (const auto& w : AccessWindows::others(editor, keep)) {
        SCOPED_TRACE(w.name.toStdString());
        QWidget* window = w.open();
        ASSERT_NE(window, nullptr);
        // The tone dialog with its longest table.
        if (auto* tone = qobject_cast<frmChannelToneOption*>(window)) tone->chooseOption(2, false);
        QApplication::processEvents();
        QWidget* start = window->focusWidget();
        if (!start) {
            const std::vector<QWidget*> controls = ControlsUnder(*window);
            for (QWidget* c : controls)
                if (tabbable(*c)) {
                    start = c;
                    break;
                }
        }
        ASSERT_NE(start, nullptr);
        expectRoundReachesAll(*window, *window, start);
    }
}

TEST(FocusChain, EscClosesTheToneAndReadWriteDialogs) {
    AccessWindows windows;
    AccessWindows::Editor editor;
    std::vector<std::shared_ptr<void>> keep;
    for (const auto& w : AccessWindows::others(editor, keep)) {
        if (w.name != "frmChannelToneOption" && w.name != "frmProgram") continue;
        SCOPED_TRACE(w.name.toStdString());
        QPointer<QWidget> window = w.open();
        ASSERT_TRUE(Activate(window));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->window(), window.data());
        QTest::keyClick(focus, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(!window || !window->isVisible());
    }
}

}  // namespace
}  // namespace vantrel::test
