// Every text of the editor and the dialogs reads against its background, on
// the light and on a dark palette, including the colours the forms fix
// themselves: the pending caption's red, the tints behind a focused box.
//
// The colours are taken from what each widget paints with (its palette's
// roles for its kind of widget, and a list item's own brushes) rather than
// from a grab of the screen: sampling anti-aliased glyphs offscreen would
// measure the font's edges, not the colours chosen. Disabled controls and the
// grid's greyed cells (settings that do not apply) are inactive parts, which
// need no contrast.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "gui/access/AccessWindows.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/common/Contrast.h"
#include "gui/common/DesktopPalette.h"

namespace vantrel::test {
namespace {

// The Fusion style on a palette (the program's dark one, for a dark
// desktop), for one test.
struct Desktop {
    QPalette saved = QApplication::palette();
    Desktop(const QPalette& palette) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(palette);
    }
    ~Desktop() { QApplication::setPalette(saved); }
};

struct Text {
    QString where;
    QColor fg, bg;
};

// What a label or a check box's caption lies on: the nearest widget that
// fills its background (the main window's empty area paints its own brush).
QColor backgroundOf(const QWidget& w) {
    for (const QWidget* up = &w; up; up = up->parentWidget()) {
        if (auto* area = qobject_cast<const QMdiArea*>(up->parentWidget()); area && up == area->viewport())
            return area->background().color();
        if (up->autoFillBackground() || up->isWindow()) return up->palette().color(up->backgroundRole());
    }
    return QApplication::palette().color(QPalette::Window);
}

QString where(const QWidget& w) {
    return w.window()->objectName() + QLatin1Char('/') + w.objectName() + QLatin1Char(' ') +
           QString::fromLatin1(w.metaObject()->className());
}

void itemTexts(const QTableWidget& t, std::vector<Text>& out) {
    const QPalette& p = t.palette();
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.columnCount(); ++c) {
            const QTableWidgetItem* item = t.item(r, c);
            // The grid keeps its grey mark under the first user role.
            if (!item || item->text().isEmpty() || item->data(Qt::UserRole + 1).toBool()) continue;
            const QColor fg = item->foreground().style() == Qt::NoBrush ? p.color(QPalette::Text) : item->foreground().color();
            const QColor bg = item->background().style() == Qt::NoBrush ? p.color(QPalette::Base) : item->background().color();
            out.push_back({where(t) + QStringLiteral(" cell %1,%2").arg(r).arg(c), fg, bg});
        }
}

// The texts the widgets under root show, with the colours they paint them in.
std::vector<Text> textsUnder(QWidget& root) {
    std::vector<Text> out;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        const QPalette& p = w->palette();
        // A text painted transparent is no text (an up-down shows only its arrows).
        const auto add = [&](QPalette::ColorRole fg, QColor bg) {
            if (p.color(fg).alpha() > 0) out.push_back({where(*w), p.color(fg), bg});
        };
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().trimmed().isEmpty()) add(label->foregroundRole(), backgroundOf(*label));
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            add(QPalette::WindowText, backgroundOf(*w));
        } else if (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w) || qobject_cast<QHeaderView*>(w)) {
            add(QPalette::ButtonText, p.color(QPalette::Button));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->isEditable() ? add(QPalette::Text, p.color(QPalette::Base))
                                : add(QPalette::ButtonText, p.color(QPalette::Button));
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                   qobject_cast<QAbstractItemView*>(w)) {
            add(QPalette::Text, p.color(QPalette::Base));
            if (auto* table = qobject_cast<QTableWidget*>(w)) itemTexts(*table, out);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (!group->title().trimmed().isEmpty()) add(QPalette::WindowText, backgroundOf(*group));
        } else if (qobject_cast<QTabBar*>(w)) {
            add(QPalette::WindowText, backgroundOf(*w));
        }
    }
    return out;
}

void expectReadable(const std::vector<Text>& texts, const char* palette) {
    ASSERT_FALSE(texts.empty());
    for (const Text& t : texts)
        EXPECT_GE(ContrastRatio(t.fg, t.bg), kReadableContrast)
            << palette << ": " << t.where.toStdString() << " " << t.fg.name().toStdString() << " on "
            << t.bg.name().toStdString();
}

class Contrast : public ::testing::TestWithParam<bool> {
protected:
    const char* name() const { return GetParam() ? "dark" : "light"; }
    QPalette palette() const {
        return GetParam() ? DarkPalette()
                          : std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))->standardPalette();
    }
};

TEST_P(Contrast, EveryTextOfTheEditorAndTheDialogsReads) {
    Desktop desktop(palette());
    AccessWindows windows;
    {
        // The main window before anything is loaded: its hint on the empty area.
        EditorFixture empty;
        empty.main->show();
        empty.startUp();
        expectReadable(textsUnder(*empty.main), name());
    }
    AccessWindows::Editor editor;
    frmMain& form = editor.form();
    for (int tab : {0, 1}) {
        form.tabs()->setCurrentIndex(tab);
        expectReadable(textsUnder(*editor.f.main), name());
    }
    form.tabs()->setCurrentIndex(0);

    // The colours the form fixes: the caption that asks for Enter, the tint
    // behind a focused TPL box and behind the tone dialog's focused box.
    ASSERT_TRUE(Activate(form.window()));
    QTest::keyClick(form.radioInfo()->serialBox(), Qt::Key_A);
    QLabel* pending = form.findChild<QLabel*>("lblSerial");
    ASSERT_EQ(pending->text(), "Please Press the 'Enter' Key");
    EXPECT_GT(pending->palette().color(QPalette::WindowText).red(),
              2 * pending->palette().color(QPalette::WindowText).green());  // still a red
    QLineEdit* tpl = form.userTpl()->box(false, 0);
    tpl->setFocus();
    ASSERT_TRUE(tpl->hasFocus());
    ASSERT_EQ(tpl->palette().color(QPalette::Base), QColor(255, 255, 192));
    expectReadable({{"pending caption", pending->palette().color(QPalette::WindowText), backgroundOf(*pending)},
                    {"focused TPL box", tpl->palette().color(QPalette::Text), tpl->palette().color(QPalette::Base)}},
                   name());

    std::vector<std::shared_ptr<void>> keep;
    for (const auto& w : AccessWindows::others(editor, keep)) {
        SCOPED_TRACE(w.name.toStdString());
        QWidget* window = w.open();
        if (auto* tone = qobject_cast<frmChannelToneOption*>(window)) {
            tone->chooseOption(2, false);
            ASSERT_TRUE(Activate(window));
            tone->toneBox(5)->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return tone->toneBox(5)->hasFocus(); }));
            ASSERT_EQ(tone->toneBox(5)->palette().color(QPalette::Base), QColor(192, 192, 255));
        }
        expectReadable(textsUnder(*window), name());
    }
}

TEST(PaletteSetting, DarkOrLightChoosesThePaletteAndAnythingElseLeavesTheDesktops) {
    const QPalette desktop = QApplication::palette();
    const QPalette light = std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))->standardPalette();
    const struct {
        const char* value;
        QColor window;
    } cases[] = {{"dark", DarkPalette().color(QPalette::Window)},
                 {" Dark ", DarkPalette().color(QPalette::Window)},
                 {"light", light.color(QPalette::Window)},
                 {"", desktop.color(QPalette::Window)},
                 {"purple", desktop.color(QPalette::Window)}};
    for (const auto& c : cases) {
        Desktop restore(desktop);
        QTemporaryDir dir;
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        settings.setValue("Settings/Palette", c.value);
        ApplyPaletteSetting(settings);
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), c.window) << c.value;
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, Contrast, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

}  // namespace
}  // namespace vantrel::test
