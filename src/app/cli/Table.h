#pragma once
// Rows of text printed as aligned columns, two blanks apart.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vantrelctl {

inline void PrintTable(const std::vector<std::vector<std::string>>& rows) {
    if (rows.empty()) return;
    std::vector<std::size_t> width(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(width[c] - row[c].size() + 2, ' ');
        }
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace vantrelctl
