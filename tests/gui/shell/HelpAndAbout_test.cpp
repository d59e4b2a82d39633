#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTest>
#include <QToolBar>
#include <QTextStream>
#include <QUrl>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/common/WindowPlacement.h"
#include "gui/shell/AboutBox.h"
#include "gui/shell/HelpViewer.h"
#include "gui/shell/ShellFixture.h"

using namespace vantrel;

TEST(HelpViewer, ShowsTheContentsAndEveryLinkLeadsToAPage) {
    HelpViewer viewer;
    ASSERT_TRUE(viewer.showPage(HelpIndexPath())) << HelpIndexPath().toStdString();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.browser()->documentTitle(), "Contents - Vantrel CPS Help");

    const QDir help = QFileInfo(HelpIndexPath()).dir();
    const QRegularExpression link(R"(href="([^"#:]+))");
    int pages = 0;
    for (const QString& name : help.entryList({"*.html"})) {
        QFile f(help.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QTextStream(&f).readAll();
        for (auto m = link.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << name.toStdString() << " -> " << target.toStdString();
        }
        ++pages;
    }
    EXPECT_GE(pages, 10);
}

// Esc closes the help window, as it closes the program's other windows, from
// the page and from the toolbar alike.
TEST(HelpViewer, EscapeClosesIt) {
    HelpViewer viewer;
    for (QWidget* w : {static_cast<QWidget*>(viewer.browser()), static_cast<QWidget*>(viewer.findChild<QToolBar*>())}) {
        ASSERT_TRUE(viewer.showPage(HelpIndexPath()));
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(viewer.isVisible()) << w->metaObject()->className();
    }
}

TEST(HelpViewer, MissingFileShowsNothing) {
    HelpViewer viewer;
    EXPECT_FALSE(viewer.showPage("/nonexistent/Help/index.html"));
    EXPECT_FALSE(viewer.isVisible());
}

// F1 opens the help at the page about where the keyboard is: each tab of
// the editor, the scan list beside them, the contents elsewhere.
TEST(HelpViewer, F1OpensThePageOfTheFocusedControlsTab) {
    test::ShellFixture f;
    f.openDefaultFile();
    QTabWidget* tabs = f.editor().tabs();
    struct Case {
        int tab;
        QWidget* focus;
        const char* page;
    };
    const Case cases[] = {
        {0, f.editor().radioInfo()->passwordBox(), "radio-configuration.html"},
        {1, f.editor().grid()->table(), "channels.html"},
        {1, tabs->tabBar(), "channels.html"},
        {0, f.editor().scanList()->scanList(), "scan-list.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        f.main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.main.get()));
        tabs->setCurrentIndex(c.tab);
        c.focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.focus) << c.focus->objectName().toStdString();
        QTest::keyClick(c.focus, Qt::Key_F1);
        ASSERT_NE(f.shell->helpViewer(), nullptr);
        EXPECT_EQ(f.shell->helpViewer()->browser()->source().fileName(), c.page);
    }
    f.shell->ShowHelp();
    EXPECT_EQ(f.shell->helpViewer()->browser()->source().fileName(), "index.html");
}

// Help opens over the main window, whole on the screen and at its own size;
// left to itself a window manager may put it partly below the screen's edge.
TEST(HelpViewer, OpensOverTheMainWindowWithinTheScreen) {
    test::ShellFixture f;
    const QRect area = AvailableArea(*f.main);
    const struct {
        QRect main;
        bool centred;  // else only moved inside the screen
    } cases[] = {{area.adjusted(20, 20, -20, -20), true},
                 {QRect(area.bottomRight() - QPoint(299, 199), QSize(300, 200)), false}};
    for (const auto& c : cases) {
        f.main->setGeometry(c.main);
        f.menu("mnuContents");
        QWidget* help = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmHelp" && w->isVisible()) help = w;
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(area.contains(help->frameGeometry())) << c.centred;
        EXPECT_EQ(help->size(), QSize(720, 560));
        const QPoint d = help->frameGeometry().center() - f.main->frameGeometry().center();
        if (c.centred) {
            EXPECT_TRUE(std::abs(d.x()) <= 16 && std::abs(d.y()) <= 16) << d.x() << ' ' << d.y();
        }
        help->close();
    }
}

TEST(AboutBox, DisablesTheMainWindowUntilClosed) {
    for (bool byOk : {true, false}) {
        QWidget main;
        main.show();
        frmAbout* box = ShowAboutBox(&main);
        EXPECT_FALSE(main.isEnabled());
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->windowTitle(), "Vantrel CPS");
        if (byOk)
            box->findChild<QPushButton*>("Command1")->click();
        else
            box->close();
        EXPECT_TRUE(main.isEnabled());
    }
}
