#include <gtest/gtest.h>

#include "report/TextUtils.h"

namespace vantrel::report {
namespace {

TEST(GetRemoveCRLF, ReplacesBreaksAndDropsALeadingLineFeed) {
    const struct { const char* in; const char* out; } cases[] = {
        {"ab\r\ncd", "ab cd"},        // a pair becomes one blank
        {"ab\rcd", "ab cd"},
        {"ab\ncd", "ab cd"},
        {"a\r\nb\r\nc", "a b c"},
        {"\nab\ncd", "ab\ncd"},       // the leading LF ends the clean-up
        {"abc", "abc"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetRemoveCRLF(c.in), c.out) << c.in;
}

TEST(GetStripQuotes, RemovesOneQuoteAtEachEnd) {
    EXPECT_EQ(GetStripQuotes("\""), "");
    EXPECT_EQ(GetStripQuotes("\"abc\""), "abc");
    EXPECT_EQ(GetStripQuotes("\"\"abc\"\""), "\"abc\"");
    EXPECT_EQ(GetStripQuotes("abc\""), "abc");
    EXPECT_EQ(GetStripQuotes(""), "");
}

TEST(GetFormalCase, CapitalisesNames) {
    const struct { const char* in; const char* out; } cases[] = {
        {"o'brien-smith mcdonald", "O'Brien-Smith McDonald"},
        {"JOHN Q. PUBLIC", "John Q. Public"},
        {"  leading blanks", "Leading Blanks"},
        {"ends with-", "Ends With-"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFormalCase(c.in), c.out) << c.in;
}

TEST(DateStamps, UseTheReportPatterns) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 3;
    t.tm_wday = 4;
    t.tm_hour = 0;
    t.tm_min = 7;
    EXPECT_EQ(FormatPrintedStamp(t), "Thu. Dec. 3, 2026 @ 12:07 AM");
    EXPECT_EQ(FormatFooterStamp(t), "Thu. December 3, 2026 @ 12:07 AM");
    EXPECT_EQ(FormatLongDate(t), "Thursday, December 03, 2026");
    t.tm_hour = 13;
    EXPECT_EQ(FormatPrintedStamp(t), "Thu. Dec. 3, 2026 @ 1:07 PM");
}

}  // namespace
}  // namespace vantrel::report
