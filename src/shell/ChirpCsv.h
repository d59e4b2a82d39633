#pragma once
// Channel lists in the CSV format of the CHIRP radio programmer, the format
// most radio users exchange channel lists in. Export writes one row per
// channel that has a receive frequency; import turns each row into the edits
// a user would make in the grid, the tone dialog and the scan list, and
// leaves out, with the reason, the rows the radio cannot hold.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/AppState.h"
#include "model/EditingModel.h"

namespace vantrel {

// The columns, in the order CHIRP writes them.
extern const std::vector<std::string> kChirpColumns;

// The file: the header row and the channels 1 to the radio's channel count
// that have a receive frequency, CR LF line ends.
std::string ExportChirpCsv(const AppState& state);

struct SkippedRow {
    int row = 0;            // the record's number in the file, the header being 1
    std::string location;   // the Location field as written
    std::string reason;
};

// "location 17: ..." (or "row 5: ..." when the location is empty).
std::string SkippedRowText(const SkippedRow& skipped);

struct ChirpImport {
    std::string error;      // the file as a whole cannot be read; nothing imported
    int imported = 0;       // rows taken (a row equal to its channel counts too)
    int firstChannel = 0;   // the lowest and highest channel taken; 0 when none
    int lastChannel = 0;
    std::vector<SkippedRow> skipped;
    bool namesDropped = false;  // a row taken has a name, which the radio cannot keep
};

// "imported 5 rows into channels 1–5; 2 left out".
std::string ImportSummary(const ChirpImport& result);

// Said once for a list whose rows taken have names.
extern const char* const kNamesNotKept;

// Applies the rows of text to the model's channels through the model's own
// operations, as a user would type, choose and add them. Only the fields that
// differ from the channel are edited, so importing a file's own export
// changes nothing. A row is taken whole or not at all: when one of its edits
// is refused, the model goes back to where it stood before the row.
//
// Without `firstChannel` each row goes to the channel its Location names.
// With it, the rows fill the channels from that one on in the list's order,
// whatever their Locations (lists number from 0 or from 100 as often as from
// 1); a row the radio cannot take is left out and its channel goes to the
// next row.
ChirpImport ImportChirpCsv(std::string_view text, EditingModel& model, std::optional<int> firstChannel = std::nullopt);

}  // namespace vantrel
