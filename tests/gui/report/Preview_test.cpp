#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QAbstractButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include "gui/report/CodeplugReport.h"
#include "gui/report/ImageView.h"
#include "gui/report/frmMultiPgPreview.h"
#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/clsMultiPgPreview.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::report {
namespace {

void KeyClick(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void Mouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButtons held) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class PreviewTest : public ::testing::Test {
protected:
    // The window finds its page folder when it is created: point the
    // environment at a private parent first.
    struct PrivateParent {
        QTemporaryDir dir;
        PrivateParent() { qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8()); }
    };

    // Runs a document of `pages` pages into the window; `whileShown` runs
    // inside the modal preview and must close it.
    void preview(int pages, const std::function<void()>& whileShown) {
        clsMultiPgPreview engine(printer, window, columns);
        engine.pStartDoc();
        for (int i = 0; i < pages; ++i) {
            if (i > 0) engine.pNewPage();
            engine.pPrint("Page " + std::to_string(i), 1.0f);
        }
        folder = engine.tempFolder();
        QTimer::singleShot(0, &window, [&] {
            whileShown();
            if (window.isVisible()) window.close();
        });
        engine.pEndDoc(1);
    }
    int pageFilesLeft() const {
        return QDir(QString::fromStdString(folder)).entryList({"PPview*.bmp"}, QDir::Files).size();
    }
    template <typename T>
    T* child(const char* name) { return window.findChild<T*>(name); }

    PrivateParent parent;
    FixedPrinter printer;
    ColumnShift columns;
    frmMultiPgPreview window;
    std::string folder;
};

TEST_F(PreviewTest, FirstAndLastPageKeysAndCloseDeletesThePageFiles) {
    int filesWhileShown = 0;
    preview(3, [&] {
        filesWhileShown = pageFilesLeft();
        EXPECT_EQ(window.PageNumber, 2);
        auto* page = child<ImageView>("Picture1");
        KeyClick(page, Qt::Key_End);
        EXPECT_EQ(window.currentPage(), 2);
        KeyClick(page, Qt::Key_Home);
        EXPECT_EQ(window.currentPage(), 0);
        child<QAbstractButton>("cmd_quit")->click();
    });
    EXPECT_EQ(filesWhileShown, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(pageFilesLeft(), 0);
    EXPECT_EQ(window.PageNumber, 0);
}

// Esc closes the preview as its Exit button does, wherever the focus is.
TEST_F(PreviewTest, EscapeClosesLikeExit) {
    for (const char* focus : {"Picture1", "cmdFullPage", "VScroll1"}) {
        preview(2, [&] {
            KeyClick(child<QWidget>(focus), Qt::Key_Escape);
            EXPECT_FALSE(window.isVisible()) << focus;
            EXPECT_FALSE(child<QAbstractButton>("cmdFullPage")->isChecked()) << focus;
        });
        EXPECT_EQ(pageFilesLeft(), 0) << focus;
    }
}

TEST_F(PreviewTest, FitBoxIsTallWhenThePageFitsTheWidthAndWideOtherwise) {
    for (double pageWidth : {4.0, 8.0}) {
        printer.printableWidthInches = pageWidth;
        preview(1, [&] {
            auto* scroll = child<QWidget>("picHScroll");
            const bool narrow = pageWidth < 5;
            EXPECT_EQ(scroll->isVisible(), !narrow);
            auto* fit = child<QAbstractButton>("cmdFullPage");
            fit->click();
            auto* box = child<ImageView>("picFullPage");
            ASSERT_TRUE(box->isVisible());
            EXPECT_FALSE(child<ImageView>("Picture1")->isVisible());
            const double ratio = double(box->width()) / box->height();
            EXPECT_NEAR(narrow ? ratio : 1 / ratio, 0.773, 0.01) << pageWidth;
            fit->click();
            EXPECT_TRUE(child<ImageView>("Picture1")->isVisible());
        });
    }
}

TEST_F(PreviewTest, DragStopsAtTheScrollRangeAndNotOnAHiddenBar) {
    printer.printableWidthInches = 4.0;   // no horizontal bar
    preview(1, [&] {
        auto* page = child<ImageView>("Picture1");
        auto* vbar = child<QScrollBar>("VScroll1");
        ASSERT_TRUE(vbar->isVisible());   // the page is taller than the screen
        const int left = page->x();
        Mouse(page, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
        Mouse(page, QEvent::MouseMove, {-4000, -4000}, Qt::LeftButton);
        Mouse(page, QEvent::MouseButtonRelease, {-4000, -4000}, Qt::NoButton);
        EXPECT_EQ(page->x(), left);
        EXPECT_EQ(vbar->value(), vbar->maximum());
        EXPECT_EQ(page->y(), -window.toPixels(vbar->maximum()));
    });
}

TEST_F(PreviewTest, PrintButtonRemovesPageFilesBeforeThePrintout) {
    AppState state;
    test::ScriptedPrompts prompts;
    int filesAtPrint = -1;
    prompts.onPrinterDialog = [&](QPrinter&) {
        filesAtPrint = pageFilesLeft();
        return false;
    };
    ReportContent content;
    content.imageChannelCount = 8;
    PreviewReport(state, prompts, [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<frmMultiPgPreview*>(top); p && p->isVisible()) {
                    folder = PrivatePageFolder();
                    EXPECT_EQ(pageFilesLeft(), 1);
                    p->findChild<QAbstractButton*>("cmd_print")->click();
                }
        });
        return content;
    });
    EXPECT_EQ(prompts.printerDialogs, 1);
    EXPECT_EQ(filesAtPrint, 0);
}

TEST(PrintReport, EveryCopyIsItsOwnOnePageDocument) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    AppState state;
    state.printerInInches = false;
    test::ScriptedPrompts prompts;
    prompts.onPrinterDialog = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setCopyCount(3);
        return true;
    };
    ReportContent content;
    content.modelNumber = "VT-460-16";
    content.imageChannelCount = content.editorChannelCount = 16;
    EXPECT_EQ(PrintReport(state, prompts, [&] { return content; }), 3);
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(20000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished(20000);
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains("Model Number :")) << out.toStdString();
    EXPECT_TRUE(out.contains("VT-460-16"));
    EXPECT_TRUE(out.contains("Conventional Personality"));

    prompts.onPrinterDialog = [](QPrinter&) { return false; };
    EXPECT_EQ(PrintReport(state, prompts, [&] { return content; }), 0);
}

// A printer that cannot be driven (here a PDF in a folder that does not
// exist) ends the print with a message, not silently.
TEST(PrintReport, APrinterThatCannotStartSaysSo) {
    AppState state;
    test::ScriptedPrompts prompts;
    const QString pdf = QDir::tempPath() + "/no-such-folder-for-vantrel/report.pdf";
    prompts.onPrinterDialog = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    EXPECT_EQ(PrintReport(state, prompts, [] { return ReportContent{}; }), 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "The report could not be printed on \"" + pdf + "\".");
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Exclamation);
}

}  // namespace
}  // namespace vantrel::report
