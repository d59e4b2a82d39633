#pragma once
// Small text helpers of the print engine, also usable on their own.
#include <ctime>
#include <string>

namespace vantrel::report {

// A CR LF pair becomes one blank, a lone CR or LF a blank, and a leading LF
// is dropped (which ends the clean-up, leaving any later LF in place when the
// text has no CR).
std::string GetRemoveCRLF(std::string text);

// Removes one leading and one trailing double quote, each only if present.
std::string GetStripQuotes(std::string text);

// Capitalises a name: "o'brien-smith mcdonald" -> "O'Brien-Smith McDonald".
std::string GetFormalCase(std::string text);

// Removes leading and trailing blanks (character 32 only).
std::string Trim(const std::string& text);

// The local date and time now, for the report's stamps.
std::tm Today();

// "Thu. Dec. 10, 2026 @ 2:05 PM" (the "Printed:" stamp).
std::string FormatPrintedStamp(const std::tm& t);
// "Thu. December 10, 2026 @ 2:05 PM" (the footer).
std::string FormatFooterStamp(const std::tm& t);
// "Thursday, December 10, 2026" (the report's title date).
std::string FormatLongDate(const std::tm& t);

}  // namespace vantrel::report
