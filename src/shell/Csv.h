#pragma once
// Comma-separated values as spreadsheets and other radio programs exchange
// them: fields separated by commas, a field in double quotes may hold commas,
// quotes (doubled) and line ends, and records end with CR LF or LF.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

using CsvRecord = std::vector<std::string>;

// Splits text into records. A final line end is optional and blank lines are
// skipped. A quote that is never closed takes the rest of the text into its
// field, so a damaged file still reads as records and never as an error.
std::vector<CsvRecord> ParseCsv(std::string_view text);

// One record, fields quoted only where they must be, ended by CR LF.
std::string FormatCsvRecord(const CsvRecord& fields);

}  // namespace vantrel
