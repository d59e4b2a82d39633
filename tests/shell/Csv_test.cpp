#include <gtest/gtest.h>

#include "shell/Csv.h"

namespace vantrel {
namespace {

struct CsvCase {
    const char* what;
    const char* text;
    std::vector<CsvRecord> records;
};

TEST(Csv, ReadsRecordsAsSpreadsheetsAndRadioProgramsWriteThem) {
    const CsvCase cases[] = {
        {"CR LF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF, no final line end", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"empty fields", ",x,\r\n", {{"", "x", ""}}},
        {"quoted comma, quote and line end", "\"a,1\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n",
         {{"a,1", "say \"hi\"", "two\r\nlines"}}},
        {"blank lines skipped", "a\r\n\r\n\nb\r\n", {{"a"}, {"b"}}},
        {"a quote inside a field is kept", "12\"3,x\n", {{"12\"3", "x"}}},
        {"an unclosed quote takes the rest", "a,\"b,c\nd", {{"a", "b,c\nd"}}},
        {"nothing", "", {}},
    };
    for (const CsvCase& c : cases) EXPECT_EQ(ParseCsv(c.text), c.records) << c.what;
}

TEST(Csv, WritesFieldsBackAsTheyWereRead) {
    const CsvRecord record = {"plain", "", "with,comma", "with \"quote\"", "line\r\nend", " blanks "};
    const std::string text = FormatCsvRecord(record);
    EXPECT_EQ(FormatCsvRecord({"a", "b"}), "a,b\r\n");
    EXPECT_EQ(ParseCsv(text), std::vector<CsvRecord>{record}) << text;
}

}  // namespace
}  // namespace vantrel
