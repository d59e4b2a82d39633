#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "report/EngineFixture.h"
#include "report/TextUtils.h"

namespace vantrel::report::testing {
namespace {

using ::testing::ElementsAre;

using EngineTextTest = EngineTest;

TEST_F(EngineTextTest, PrintOfAnEmptyTextAdvancesOneLineOrNothing) {
    start();
    engine->CurrentX(1.0f);
    engine->CurrentY(1.0f);
    engine->pPrint("", -1, true);
    EXPECT_FLOAT_EQ(engine->CurrentX(), 1.0f);
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.0f);
    engine->pPrint("", 3.0f, false);
    EXPECT_FLOAT_EQ(engine->CurrentX(), 0.0f);
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.2f);
}

TEST_F(EngineTextTest, TextThatExactlyFitsPrintsOnOneLineAndOneMoreCharacterWraps) {
    start();
    // 60 characters at 0.5 end exactly at the page width 8.0.
    engine->pPrint(std::string(60, 'x'), 0.5f);
    EXPECT_THAT(texts(), ElementsAre(std::string(60, 'x')));
    EXPECT_FLOAT_EQ(surface().texts()[0].x1, 0.5);

    surface().drawn.clear();
    engine->pPrint(std::string(61, 'x'), 0.5f);
    // Wrapped between 0.5 and 7.9: no blank, so the cut falls before the
    // character that filled the line.
    EXPECT_THAT(texts(), ElementsAre(std::string(59, 'x'), "xx"));
}

TEST_F(EngineTextTest, TrailingLineBreakIsTrimmedFromThePrintedLine) {
    start();
    engine->pPrint("abc\r\n", 1.0f);
    EXPECT_THAT(texts(), ElementsAre("abc"));
    EXPECT_FLOAT_EQ(surface().texts()[0].x1, 1.0);
}

TEST_F(EngineTextTest, WrapKeepsTheBlankAtTheCutWhenTheTextHasNoBreaks) {
    start();
    // Room for three characters.
    engine->pMultiline("ab cd", 0, 3 * RecordingSurface::kCharWidth);
    EXPECT_THAT(texts(), ElementsAre("ab ", "cd"));
}

TEST_F(EngineTextTest, WrapIndentsContinuationLinesAndHonoursSameLine) {
    start();
    engine->pMultiline("one two three", 1.0f, 1.0f + 8 * 0.125f, "> ", true);
    EXPECT_THAT(texts(), ElementsAre("one two ", "> three"));
    for (const auto& d : surface().texts()) EXPECT_FLOAT_EQ(d.x1, 1.0);
    // The last line stays open.
    EXPECT_FLOAT_EQ(engine->CurrentX(), 1.0f + 7 * 0.125f);
}

TEST_F(EngineTextTest, WrapBreaksPagesWithFooterAndRepeatedHeader) {
    start();
    engine->ReportTitle("Title");
    engine->ReportSubTitle("Sub");
    std::string text;
    for (int i = 0; i < 30; ++i) text += "word" + std::to_string(i) + " ";
    engine->CurrentY(9.5f);
    engine->pMultiline(text, 0.5f, 0.5f + 10 * 0.125f);

    // The first page (index 0) was saved with its footer and the wrap went on
    // on page 1 below the repeated header.
    ASSERT_EQ(surface().saved.size(), 1u);
    EXPECT_EQ(engine->GetPage(), 2);
    const auto t = texts();
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], "Title");
    EXPECT_EQ(t[1], "Sub");
    EXPECT_EQ(surface().texts()[0].font.size, 16);
    EXPECT_TRUE(surface().texts()[0].font.bold);
    EXPECT_EQ(t[2].rfind("word", 0), 0u);
    EXPECT_EQ(surface().texts()[2].font.size, 10);   // the caller's font is back
    EXPECT_EQ(t.back(), "word29 ");
}

TEST_F(EngineTextTest, FooterDrawsRuleDateAndPageNumber) {
    start();
    const std::string used = engine->pFooter();
    EXPECT_EQ(used.rfind("Printed: ", 0), 0u);
    const auto t = surface().texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, used);
    EXPECT_FLOAT_EQ(t[0].x1, 0.5);
    EXPECT_EQ(t[1].text, "Pg. 1");
    EXPECT_FLOAT_EQ(t[1].x1, 8.0 - 0.5 - 5 * 0.125);
    const auto rules = surface().lines();
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].drawWidth, 3);   // line width 6 in half pixels
    EXPECT_NEAR(rules[0].y1, 10.5 - 0.4 + 0.03, 1e-6);
    EXPECT_EQ(engine->FontName(), "Arial");
}

TEST_F(EngineTextTest, CenterWithDefaultColumnWritesBackTheWidthAndMayOverhang) {
    start();
    EXPECT_FLOAT_EQ(engine->pCenter("abcd", false, -1, 2.0f), 6.0f);
    EXPECT_FLOAT_EQ(surface().texts()[0].x1, 2.0 + (6.0 - 0.5) / 2);
    surface().drawn.clear();
    // Two inches of text in a one-inch column: centred with a negative offset.
    engine->pCenter(std::string(16, 'w'), false, 1.0f, 3.0f);
    EXPECT_FLOAT_EQ(surface().texts()[0].x1, 2.5);
}

TEST_F(EngineTextTest, RightJustifiedAndTabbedTextEndAtTheirMargins) {
    start();
    engine->pRightJust("abcd", 4.0f, true);
    EXPECT_FLOAT_EQ(surface().texts()[0].x1, 3.5);
    engine->CurrentX(1.0f);
    engine->pRightJust("ab");   // -1 keeps the text where it is
    EXPECT_FLOAT_EQ(surface().texts()[1].x1, 1.0);
    engine->pRightTab("ab");
    EXPECT_FLOAT_EQ(surface().texts()[2].x1, 8.0 - 0.25 - 0.1);
}

TEST_F(EngineTextTest, SpacingUsesReducedSizesDownToZeroForOneAndAHalf) {
    start();
    engine->FontSize(1);
    engine->CurrentY(1.0f);
    engine->pHalfSpace();
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.02f);
    engine->p15Space();   // 1 point, then 0 points
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.04f);
    EXPECT_EQ(engine->FontSize(), 1);
    engine->FontSize(12);
    engine->pQuarterSpace();
    EXPECT_FLOAT_EQ(engine->CurrentY(), 1.04f + 3 * 0.02f);
}

TEST_F(EngineTextTest, FillersStopAtTheRightMarginAndRestoreTheFont) {
    start();
    engine->pDots(1.0f, 0.5f);
    EXPECT_EQ(surface().texts().size(), 4u);
    surface().drawn.clear();
    engine->pSpaces(2.0f, 1.0f, true);
    ASSERT_FALSE(surface().drawn.empty());
    EXPECT_EQ(surface().drawn.back().font.name, "Symbol");
    EXPECT_EQ(surface().drawn.back().text, "\\");
    EXPECT_EQ(engine->FontName(), "Arial");
    EXPECT_EQ(engine->ForeColor(), kBlack);

    engine->FontBold(true);
    engine->pBullet(3.0f);
    EXPECT_EQ(surface().drawn.back().text, "\xC2\xB7  ");
    EXPECT_FALSE(surface().drawn.back().font.bold);
    EXPECT_TRUE(engine->FontBold());
    EXPECT_FLOAT_EQ(engine->CurrentX(), 3.0f + 3 * 0.125f);
}

TEST_F(EngineTextTest, EndOfPageReservesRoomForTheFooter) {
    start();
    engine->CurrentY(9.9f - 0.001f);
    EXPECT_FALSE(engine->pEndOfPage());
    engine->CurrentY(9.9f);
    EXPECT_TRUE(engine->pEndOfPage());
    EXPECT_FALSE(engine->pEndOfPage(0, false));   // only one reserve line
}

TEST_F(EngineTextTest, PrintedDateUsesNinePointsAndRestoresTheFont) {
    start();
    engine->FontBold(true);
    engine->pPrintedDate(true);
    std::tm local{};
    const std::time_t t = 1797000000;
    localtime_r(&t, &local);
    const auto d = surface().texts();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, "Printed: " + FormatPrintedStamp(local));
    EXPECT_EQ(d[0].font.size, 9);
    EXPECT_FALSE(d[0].font.bold);
    EXPECT_NEAR(d[0].x1, (8.0 - d[0].text.size() * 0.125) / 2, 1e-6);
    EXPECT_TRUE(engine->FontBold());
    EXPECT_EQ(engine->FontSize(), 10);
}

TEST_F(EngineTextTest, CancelNoticeIsRedAndBold) {
    start();
    engine->pCancled();
    const auto t = surface().texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "**** PRINTING CANCLED ****");
    EXPECT_FLOAT_EQ(t[0].x1, 0.5);
    EXPECT_EQ(engine->ForeColor(), kRed);
}

TEST_F(EngineTextTest, RotatedPrintClampsTheAngle) {
    start();
    engine->pPrintRotate("up", 400, 2.0f);
    engine->pPrintRotate("", 90);
    ASSERT_EQ(surface().drawn.size(), 1u);
    EXPECT_EQ(surface().drawn[0].kind, Drawn::Rotated);
    EXPECT_EQ(surface().drawn[0].x2, 359);
    EXPECT_FLOAT_EQ(surface().drawn[0].x1, 2.0);
}

TEST_F(EngineTextTest, WrappingTextsAreLimitedTo32767Characters) {
    start();
    EXPECT_THROW(engine->pMultiline(std::string(32768, 'a')), EngineError);
}

}  // namespace
}  // namespace vantrel::report::testing
