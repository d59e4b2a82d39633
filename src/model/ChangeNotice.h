#pragma once
// What a model operation changed in what the editor shows: which sections,
// and which rows of the channel grid. The windows repaint only those.
#include <bitset>
#include <cstdint>

#include "codeplug/ByteMap.h"

namespace vantrel {

struct EditingCopies;

enum class Section : unsigned {
    Tab = 1u << 0,        // the tab shown
    Lock = 1u << 1,       // the lock and the factory boxes' enables
    Factory = 1u << 2,    // password, serial and super-number boxes
    Labels = 1u << 3,     // "Radio Information" labels
    UserTpl = 1u << 4,    // the six user TPL boxes
    Features = 1u << 5,   // the feature check boxes
    Timing = 1u << 6,     // the five timing fields
    Buttons = 1u << 7,    // the programmable buttons' lists
    ScanLists = 1u << 8,  // channel and scan lists, priority box
    Grid = 1u << 9,       // the channel grid (rows names which)
};

struct ChangeNotice {
    static constexpr unsigned kAll = (1u << 10) - 1;
    unsigned sections = 0;
    // Grid rows 1..16 (bit 0 unused).
    std::bitset<bytemap::MaxChannels + 1> rows;

    bool has(Section s) const { return (sections & static_cast<unsigned>(s)) != 0; }
    void add(Section s) { sections |= static_cast<unsigned>(s); }
    void addRow(int row) {
        add(Section::Grid);
        rows.set(static_cast<std::size_t>(row));
    }
    ChangeNotice& operator|=(const ChangeNotice& o) {
        sections |= o.sections;
        rows |= o.rows;
        return *this;
    }
    // Everything: a kept state shown whole.
    static ChangeNotice all() {
        ChangeNotice n;
        n.sections = kAll;
        n.rows.set();
        return n;
    }
};

// What differs between two states of the editing copies; `reported` takes
// the new state of what differed.
ChangeNotice Compare(EditingCopies& reported, const EditingCopies& now);

}  // namespace vantrel
