#pragma once
// An archived image compared field by field with the editor's data: what the
// Radio Archive window lists under Compare, and what the notice after a Read
// counts.
#include <vector>

#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"
#include "model/CodeplugDiff.h"

namespace vantrel {

// The entry's bytes exactly as archived.
CodeplugImage::Bytes EntryBytes(const archive::ArchiveEntry& entry);

// Whether the entry has an image that matches its hash.
bool EntryImageSound(const archive::ArchiveEntry& entry);

// The fields that differ between the entry, as a freshly started editor shows
// it after Open, and the editor's data. A write that sent no serial number
// left the radio's own in place, so the entry is compared as holding the
// serial number it is filed under.
std::vector<FieldDifference> CompareEntryWithEditor(const archive::ArchiveEntry& entry, const EditingModel& editor);

}  // namespace vantrel
