#include "gui/channels/ToneTableKeys.h"

namespace vantrel::tonekeys {

int NextBox(const TableShape& t, int i, Arrow arrow) {
    const int lastColumnStart = (t.used - 1) / t.rows * t.rows;  // 36 or 77
    const int last = t.used - 1;                                  // 41 or 84
    // Rows of the column before the last that have no box in the last column.
    const int shortFrom = lastColumnStart - t.rows + (t.used - lastColumnStart);  // 33 or 74
    switch (arrow) {
    case Arrow::Right:
        if (i >= lastColumnStart) return i - lastColumnStart;
        if (i >= shortFrom && i < lastColumnStart) return i - shortFrom + (t.used - lastColumnStart);
        return i + t.rows;
    case Arrow::Left:
        if (i >= t.rows) return i - t.rows;
        if (i >= t.used - lastColumnStart) return i + shortFrom - (t.used - lastColumnStart);
        return i + lastColumnStart;
    case Arrow::Up:
        if (i == 0) return t.rows - 1;
        if (i == lastColumnStart) return last;
        if (i % t.rows != 0) return i - 1;
        return i + t.rows - 1;
    case Arrow::Down:
        if (i % t.rows == t.rows - 1) return i - (t.rows - 1);
        if (i == last) return lastColumnStart;
        return i + 1;
    }
    return i;
}

}  // namespace vantrel::tonekeys
