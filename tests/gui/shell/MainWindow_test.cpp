// What a new user sees of the main window: where it opens, its icons, the
// hint before anything is loaded, and the message boxes.
#include <QAbstractButton>
#include <QPushButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <gtest/gtest.h>

#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/common/ProgramIcons.h"
#include "gui/shell/EmptyHint.h"

namespace vantrel::test {
namespace {

QRect AvailableArea(const QWidget& w) { return w.screen()->availableGeometry(); }

// The main window's frame (title bar included) is at the top-left corner of
// the available area and wholly inside it, whether the load runs before the
// window first shows (start-up) or after.
TEST(MainWindow, FrameOpensAtTheTopLeftCornerFullyVisible) {
    for (bool shownFirst : {false, true}) {
        EditorFixture f;
        if (shownFirst) {
            f.main->show();
            f.main->Load();
        } else {
            f.startUp();
        }
        const QRect frame = f.main->frameGeometry();
        EXPECT_NE(frame, f.main->geometry()) << "the platform must report a frame for this test to mean anything";
        EXPECT_EQ(frame.topLeft(), AvailableArea(*f.main).topLeft()) << shownFirst;
        // Wholly inside, except where the test screen (800 pixels wide) is
        // narrower than the window can be made.
        const QRect area = AvailableArea(*f.main);
        const QSize frameAllowance = frame.size() - f.main->size();
        const int narrowest = f.main->minimumSizeHint().width() + frameAllowance.width();
        EXPECT_LE(frame.width(), std::max(area.width(), narrowest)) << shownFirst;
        EXPECT_LE(frame.height(), area.height()) << shownFirst;
    }
}

TEST(MainWindow, EveryWindowShowsTheProgramIcon) {
    EditorFixture f;
    const qint64 icon = ProgramIcon().cacheKey();
    ASSERT_FALSE(ProgramIcon().isNull());
    EXPECT_EQ(f.main->windowIcon().cacheKey(), icon);
    auto* frame = qobject_cast<QMdiSubWindow*>(f.editor().parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowIcon().cacheKey(), icon);
}

// Every toolbar button has a picture whose disabled state is visibly grey and
// faint next to its enabled one.
TEST(MainWindow, ToolbarPicturesShowTheirDisabledState) {
    EditorFixture f;
    for (int position : {1, 2, 3, 4, 6, 7, 9}) {
        QAction* a = f.main->toolbarButton(position);
        ASSERT_NE(a, nullptr);
        const QString key = a->property("key").toString();
        // The drawn set, whatever theme the machine has.
        const QIcon icon = DrawnToolbarIcon(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage on = icon.pixmap(QSize(24, 24), QIcon::Normal).toImage();
        const QImage off = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        int opaqueOn = 0, colouredOff = 0, strongestOff = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const QColor c = on.pixelColor(x, y), d = off.pixelColor(x, y);
                opaqueOn += c.alpha() > 200;
                colouredOff += d.alpha() > 0 && d.hsvSaturation() > 60;
                strongestOff = std::max(strongestOff, d.alpha());
            }
        EXPECT_GT(opaqueOn, 20) << key.toStdString();
        EXPECT_EQ(colouredOff, 0) << key.toStdString();
        EXPECT_LT(strongestOff, 128) << key.toStdString();
    }
}

// A toolbar picture comes from the desktop's icon theme when the theme has
// the command's icon, and is drawn otherwise; hicolor, the fallback theme of
// programs' own icons, is not searched for command pictures.
TEST(MainWindow, ToolbarPictureFromTheDesktopThemeWhereItHasOne) {
    QTemporaryDir icons;
    for (const char* theme : {"plain", "hicolor"}) {
        QDir dir(icons.filePath(theme));
        ASSERT_TRUE(dir.mkpath("24x24/actions"));
        QFile index(dir.filePath("index.theme"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=T\nDirectories=24x24/actions\n[24x24/actions]\nSize=24\n");
        index.close();
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(dir.filePath("24x24/actions/document-open.png")));
    }
    const QStringList paths = QIcon::themeSearchPaths();
    const QString name = QIcon::themeName();
    QIcon::setThemeSearchPaths({icons.path()});
    const struct {
        const char* theme;
        const char* key;
        QString expected;  // the theme icon's name; empty for a drawn picture
    } cases[] = {{"plain", "Open", "document-open"}, {"plain", "Save", ""}, {"hicolor", "Open", ""}, {"", "Open", ""}};
    for (const auto& c : cases) {
        QIcon::setThemeName(c.theme);
        const QIcon icon = ToolbarIcon(c.key);
        EXPECT_FALSE(icon.isNull()) << c.theme << ' ' << c.key;
        EXPECT_EQ(icon.name(), c.expected) << c.theme << ' ' << c.key;
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(name);
}

TEST(MainWindow, EmptyWindowSaysWhatToDoUntilTheEditorShows) {
    EditorFixture f;
    f.startUp();
    auto* hint = f.find<QLabel>("lblEmptyHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    for (const char* what : {"Read", "Open", "super number"})
        EXPECT_TRUE(hint->text().contains(QLatin1String(what))) << what;
    // The text and its link read on the area's background, grey or not.
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::white, QColor(0xa0, 0xa0, 0xa0)), 2.61, 0.01);
    for (const QColor background : {QColor(Qt::gray), QColor(Qt::darkGray), QColor(0x20, 0x20, 0x60)}) {
        QMdiArea area;
        area.setBackground(background);
        const EmptyHint hint(area, [] {});
        const QLabel* label = hint.label();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Link})
            EXPECT_GE(ContrastRatio(label->palette().color(role), background), kReadableContrast)
                << background.name().toStdString() << ' ' << role;
    }

    // The super-number link shows the editor with the cursor in that box.
    emit hint->linkActivated(QStringLiteral("super"));
    EXPECT_TRUE(f.editor().editorVisible());
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
    EXPECT_EQ(f.main->focusWidget(), f.editor().radioInfo()->superBox());

    EditorFixture loaded;
    loaded.startUp(loaded.writeFile("radio.cpg", sampleImage()));
    EXPECT_FALSE(loaded.find<QLabel>("lblEmptyHint")->isVisible());
}

// The Save dialog adds the extension asked for to a name typed without one
// (the channel list, the data file) and leaves any other extension as typed:
// ".CPG" is not doubled, and the Save command judges it itself.
TEST(SaveDialog, AddsTheExtensionOnlyWhereAsked) {
    QTemporaryDir dir;
    const struct {
        const char* suffix;
        const char* typed;
        const char* chosen;
    } cases[] = {{"csv", "chans", "chans.csv"}, {"csv", "chans.txt", "chans.txt"}, {"", "radio1", "radio1"},
                 {"cpg", "radio1", "radio1.cpg"}, {"cpg", "radio1.CPG", "radio1.CPG"}};
    for (const auto& c : cases) {
        const auto dialog = MakeSaveDialog({"Save", dir.path(), QString(), "Files (*)", c.suffix}, nullptr);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->selectFile(c.typed);
        QMetaObject::invokeMethod(dialog.get(), "accept");
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.typed;
        EXPECT_EQ(dialog->selectedFiles().value(0), dir.filePath(c.chosen)) << c.typed;
    }
}

// A message box keeps its whole text, shows its whole title and cannot be
// maximised.
TEST(MessageBox, WholeTitleAndTextNoMaximise) {
    const Prompts::Message messages[] = {
        {QStringLiteral("Invalid number")},
        {QStringLiteral("                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ")},
        {QStringLiteral("The path you entered,\r\n'/tmp/<a>&b' is too long, Enter a shorter path."),
         QStringLiteral("Vantrel CPS"), Prompts::Icon::Information},
        {QStringLiteral("Save Current Data to File ?"), QStringLiteral("Save ?"), Prompts::Icon::None,
         Prompts::Buttons::YesNoCancel, Prompts::Answer::Cancel},
    };
    for (const auto& m : messages) {
        const auto box = MakeMessageBox(m, nullptr);
        box->show();
        QString expected = m.text;
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(box->text(), expected);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->windowTitle(), m.title);
        EXPECT_FALSE(box->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(box->windowFlags() & Qt::WindowTitleHint);
        // Room for the title in a bold title-bar font and the title bar's buttons.
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(m.title) + 100) << m.text.toStdString();
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(m.defaultButton == Prompts::Answer::Cancel ? QMessageBox::Cancel : QMessageBox::Ok));
    }
}

}  // namespace
}  // namespace vantrel::test
