#include "shell/Csv.h"

namespace vantrel {

namespace {

bool isBlankRecord(const CsvRecord& r) { return r.size() == 1 && r[0].empty(); }

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    bool quoted = false;      // inside a quoted field
    bool wasQuoted = false;   // the current field began with a quote
    auto endField = [&] {
        record.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!isBlankRecord(record)) records.push_back(std::move(record));
        record.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
            else quoted = false;
            continue;
        }
        switch (c) {
        case '"':
            // A quote opens a quoted field only at its start; elsewhere it is
            // taken as it stands, as spreadsheets read it.
            if (field.empty() && !wasQuoted) quoted = wasQuoted = true;
            else field += c;
            break;
        case ',': endField(); break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRecord();
            break;
        case '\n': endRecord(); break;
        default: field += c; break;
        }
    }
    if (!field.empty() || wasQuoted || !record.empty()) endRecord();
    return records;
}

std::string FormatCsvRecord(const CsvRecord& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out + "\r\n";
}

}  // namespace vantrel
