#include "model/ChannelRowsText.h"

#include "base/Trimmed.h"

#include <algorithm>
#include <cctype>

#include "model/DisplayedFields.h"

namespace vantrel {

namespace {

// The grid's header text: both signalling columns read "PL Option".
std::string gridHeader(int column) {
    const std::string name = ColumnName(column);
    return name.substr(0, name.find(" ("));
}

// A field without blanks around it and without the quotes a spreadsheet
// may put around it.
std::string trimmed(std::string_view s) {
    const std::string t = Trimmed(s, " \t\r\n");
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return trimmed(std::string_view(t).substr(1, t.size() - 2));
    return t;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> out;
    for (;;) {
        const std::size_t tab = line.find('\t');
        out.push_back(trimmed(line.substr(0, tab)));
        if (tab == std::string_view::npos) return out;
        line.remove_prefix(tab + 1);
    }
}

std::vector<std::vector<std::string>> splitLines(std::string_view text) {
    std::vector<std::vector<std::string>> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::vector<std::string> fields = splitFields(text.substr(0, end));
        if (std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); }))
            out.push_back(std::move(fields));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

// The grid column a header field names (-1: none). `signalsSeen` counts the
// plain "PL Option" fields met so far: the first is the receive side.
int columnNamed(const std::string& field, int& signalsSeen) {
    const std::string key = lower(field);
    if (key == lower(gridHeader(kColRxSignal)))
        return signalsSeen++ == 0 ? kColRxSignal : kColTxSignal;
    for (int c = 0; c < kChannelColumnCount; ++c)
        if (key == lower(ColumnName(c)) || key == lower(gridHeader(c))) return c;
    return -1;
}

// The columns of a header line, or nothing when the line names no column.
std::optional<std::vector<int>> headerColumns(const std::vector<std::string>& fields) {
    std::vector<int> columns;
    int signalsSeen = 0;
    for (const std::string& f : fields) columns.push_back(columnNamed(f, signalsSeen));
    if (std::all_of(columns.begin(), columns.end(), [](int c) { return c < 0; })) return std::nullopt;
    return columns;
}

}  // namespace

std::string FormatChannelRows(const EditingModel& model, const std::vector<int>& channels) {
    return FormatChannelRows([&model](int n, int c) { return model.cell(n, c).text; }, channels);
}

std::string FormatChannelRows(const std::function<std::string(int, int)>& cellText, const std::vector<int>& channels) {
    std::string out;
    for (int c = 0; c < kChannelColumnCount; ++c) out += (c ? "\t" : "") + gridHeader(c);
    out += '\n';
    for (int n : channels) {
        out += std::to_string(n);
        for (int c = 1; c < kChannelColumnCount; ++c) out += '\t' + trimmed(cellText(n, c));
        out += '\n';
    }
    return out;
}

std::vector<PastedRow> ParseChannelRows(std::string_view text) {
    std::vector<std::vector<std::string>> lines = splitLines(text);
    std::optional<std::vector<int>> header;
    if (!lines.empty()) header = headerColumns(lines.front());
    std::vector<PastedRow> rows;
    for (std::size_t i = header ? 1 : 0; i < lines.size(); ++i) {
        const std::vector<std::string>& fields = lines[i];
        const int first = fields.size() >= static_cast<std::size_t>(kChannelColumnCount) ? 0 : 1;
        PastedRow row;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const int column = header ? (f < header->size() ? (*header)[f] : -1) : first + static_cast<int>(f);
            if (column >= 1 && column < kChannelColumnCount) row.cells[static_cast<std::size_t>(column)] = fields[f];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace vantrel
