#include <gtest/gtest.h>

#include <filesystem>

#include "report/EngineFixture.h"
#include "report/PageFiles.h"

namespace vantrel::report::testing {
namespace {

namespace fs = std::filesystem;
using EngineDocumentTest = EngineTest;

TEST_F(EngineDocumentTest, StartDocMeasuresThePrinterAndSizesTheSurface) {
    engine->pStartDoc();
    EXPECT_FLOAT_EQ(engine->GetPaperWidth(), 8.0f);
    EXPECT_FLOAT_EQ(engine->GetPaperHeight(), 10.5f);
    EXPECT_EQ(printer.scaleMode(), kInches);   // left in the engine's unit
    EXPECT_DOUBLE_EQ(surface().widthTwips(), 8.25 * 1440);
    EXPECT_DOUBLE_EQ(surface().heightTwips(), 10.75 * 1440);
    EXPECT_DOUBLE_EQ(surface().scaleWidth(), 8.0);
    EXPECT_EQ(surface().font.name, "Arial");   // the printer's font
    EXPECT_EQ(host.vertical.maximum, 7740);
    EXPECT_EQ(host.vertical.minimum, -500);
    EXPECT_EQ(host.vertical.smallChange, 774);
    EXPECT_EQ(host.horizontal.maximum, 2970);
    EXPECT_EQ(host.horizontal.largeChange, 1485);
}

TEST_F(EngineDocumentTest, CentimetresScaleThePageAndTheRuleGap) {
    engine->oScaleMode = kCentimetres;
    start();
    EXPECT_FLOAT_EQ(engine->GetPaperHeight(), 10.5f * 2.54f);
    EXPECT_NEAR(surface().widthTwips(), (8.0 * 2.54 + 0.6) * 567, 1e-3);
    engine->CurrentY(1.0f);
    engine->pLine(1.0f, 2.0f);
    EXPECT_NEAR(surface().lines()[0].y1, 1.07, 1e-6);
    EXPECT_NEAR(engine->CurrentY(), 1.14, 1e-6);
}

TEST_F(EngineDocumentTest, GetPaperWidthForcesEightInchesForLaterDefaults) {
    printer.printableWidthInches = 7.5;
    start();
    engine->pLine(0, -1, 1, false);
    EXPECT_DOUBLE_EQ(surface().lines()[0].x2, 7.5);
    EXPECT_FLOAT_EQ(engine->GetPaperWidth(), 8.0f);
    engine->pLine(0, -1, 1, false);
    EXPECT_DOUBLE_EQ(surface().lines()[1].x2, 8.0);
    // The wrap test also uses 8.0: 62 characters at 0.25 still fit.
    engine->pPrint(std::string(62, 'x'), 0.25f);
    EXPECT_EQ(surface().texts().size(), 1u);
}

TEST_F(EngineDocumentTest, DrawWidthIsInHalfPixels) {
    start();
    const struct { int set, pixels; } cases[] = {{0, 1}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 3}};
    for (const auto& c : cases) {
        engine->DrawWidth(c.set);
        EXPECT_EQ(surface().drawWidth(), c.pixels) << c.set;
    }
    engine->DrawWidth(5);
    EXPECT_EQ(engine->DrawWidth(), 4);
}

TEST_F(EngineDocumentTest, CurrentYUndoesTheRuleGapOnceInTheSecondColumn) {
    start();
    engine->CurrentY(2.0f);
    columns.secondColumn = true;
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.94f);
    EXPECT_FLOAT_EQ(engine->CurrentY(), 2.0f);
    columns.secondColumn = false;
    EXPECT_FLOAT_EQ(engine->CurrentY(), 2.0f);   // re-arms the shift
    columns.secondColumn = true;
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.94f);
}

TEST_F(EngineDocumentTest, RightColumnRuleLiesOnTheLeftColumnRule) {
    start();
    engine->CurrentY(1.0f);
    engine->pLine(0.5f, 3.5f);   // left column: rule at 1.03, position 1.06
    columns.secondColumn = true;
    engine->pLine(4.3f, 7.25f);
    const auto rules = surface().lines();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_NEAR(rules[1].y1, rules[0].y1, 1e-6);
}

TEST_F(EngineDocumentTest, BackColorSwitchesOpaqueText) {
    start();
    engine->BackColor(0x00FFFF);
    EXPECT_FALSE(engine->FontTransparent());
    EXPECT_EQ(surface().textBackColor, 0x00FFFF);
    engine->BackColor(kNoColor);
    EXPECT_TRUE(engine->FontTransparent());
    EXPECT_EQ(surface().textBackColor, kWhite);
    EXPECT_EQ(engine->BackColor(), kWhite);   // the surface's own background
}

TEST_F(EngineDocumentTest, RulesBoxesAndVerticalsKeepThePosition) {
    start();
    engine->CurrentX(1.0f);
    engine->CurrentY(2.0f);
    engine->pDoubleLine();
    auto rules = surface().lines();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_NEAR(rules[0].y1, 2.03, 1e-6);
    EXPECT_NEAR(rules[1].y1, 2.06, 1e-6);
    EXPECT_NEAR(engine->CurrentY(), 2.12, 1e-6);
    EXPECT_FLOAT_EQ(engine->CurrentX(), 1.0f);

    engine->pVerticalLine(9.0f, 1.0f);
    rules = surface().lines();
    EXPECT_NEAR(rules[2].x1, 7.99, 1e-6);
    EXPECT_NEAR(rules[2].y2, 10.5 - 0.4, 1e-6);
    EXPECT_NEAR(engine->CurrentY(), 2.12, 1e-6);

    engine->pBox(-1, -1, 2.0f, -1, kNoColor, 0xFF, 0);
    const Drawn& box = surface().drawn.back();
    EXPECT_EQ(box.kind, Drawn::Box);
    EXPECT_EQ(box.fillStyle, kFillSolid);
    EXPECT_NEAR(box.y2 - box.y1, 0.2, 1e-6);
    EXPECT_EQ(surface().fillStyle, kFillTransparent);
    EXPECT_FLOAT_EQ(engine->CurrentX(), 1.0f);
}

TEST_F(EngineDocumentTest, PictureKeepsItsRatioInsideTheGivenBox) {
    start();
    const Picture picture{2, 1, std::vector<std::uint32_t>(2, 0xFF000000)};
    const PictureFit used = engine->pPrintPicture(picture, 1.0f, 1.0f, 4.0f);
    EXPECT_FLOAT_EQ(used.height, 4.0f);
    const Drawn& drawn = surface().drawn.back();
    EXPECT_DOUBLE_EQ(drawn.x2 - drawn.x1, 4.0);
    EXPECT_DOUBLE_EQ(drawn.y2 - drawn.y1, 2.0);
    EXPECT_TRUE(engine->pPrintPicture(picture).scaleToFit);
}

TEST_F(EngineDocumentTest, EndDocAfterNPagesLeavesNPlusOnePageFiles) {
    start();
    engine->pNewPage();
    engine->pNewPage();
    engine->pEndDoc();
    const std::string folder = engine->tempFolder();
    ASSERT_FALSE(folder.empty());
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(fs::exists(PageFilePath(folder, i))) << i;
    EXPECT_FALSE(fs::exists(PageFilePath(folder, 3)));
    EXPECT_EQ(host.pageNumber, 2);
    EXPECT_EQ(host.shownFile, PageFilePath(folder, 0));
    EXPECT_EQ(host.shows, 1);
    EXPECT_TRUE(host.modal);
    EXPECT_EQ(surface().scaleMode(), kPixels);   // the window's own unit again
    EXPECT_EQ(DeletePageFiles(folder), 0);
    EXPECT_FALSE(fs::exists(PageFilePath(folder, 0)));
}

TEST_F(EngineDocumentTest, HeaderRepeatsStoredTitlesAndNeedsOne) {
    start();
    engine->pHeader();
    EXPECT_TRUE(surface().drawn.empty());
    engine->pHeader("Main", std::string("Second"), false);
    EXPECT_EQ(engine->ReportTitle(), "Main");
    EXPECT_EQ(engine->ReportSubTitle(), "Second");
    const auto t = surface().texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_FALSE(t[0].font.italic);
    EXPECT_NEAR(t[0].x1, (8.0 - 0.5) / 2, 1e-6);
    EXPECT_EQ(surface().lines().size(), 2u);
    EXPECT_EQ(engine->FontSize(), 10);
}

TEST_F(EngineDocumentTest, DrawingBeforeStartDocFails) {
    EXPECT_THROW(engine->pPrint("x"), EngineError);
    EXPECT_EQ(engine->PrintCopies(), 1);
    EXPECT_FALSE(engine->SendToPrinter());
    EXPECT_EQ(printer.orientation, 1);
}

}  // namespace
}  // namespace vantrel::report::testing
