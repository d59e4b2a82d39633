#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>

#include "shell/widgets/AboutBox.h"
#include "shell/widgets/HelpViewer.h"

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

TEST(HelpViewer, MissingFileShowsNothing) {
    HelpViewer viewer;
    EXPECT_FALSE(viewer.showPage("/nonexistent/Help/index.html"));
    EXPECT_FALSE(viewer.isVisible());
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
