#pragma once
// Arrow-key moves between the boxes of the tone dialog's tables. Both tables
// fill column by column; the moves wrap around the edges and skip the empty
// boxes at the end of the last column.
namespace vantrel::tonekeys {

enum class Arrow { Left, Right, Up, Down };

struct TableShape {
    int rows;     // boxes per column
    int columns;
    int used;     // boxes holding a tone or code (the rest are empty)
};

constexpr TableShape kTplTable{9, 5, 42};   // txtToneData: 42 tones
constexpr TableShape kDplTable{11, 8, 85};  // txtDcsData: 85 codes

// The box the focus moves to from box i (0 <= i < used).
int NextBox(const TableShape& t, int i, Arrow arrow);

}  // namespace vantrel::tonekeys
