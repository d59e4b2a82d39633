#include "gui/archive/EntryComparison.h"

#include <algorithm>

#include "codeplug/ByteMap.h"
#include "link/VerifyWrite.h"

namespace vantrel {

namespace {

// The editor's data as a freshly started editor shows the bytes after Open.
struct EntryEditor {
    AppState state;
    EditingModel model{state};
    explicit EntryEditor(const CodeplugImage::Bytes& bytes) {
        model.LoadEditor();
        model.LoadImage(LoadKind::FileOpen, bytes);
    }
};

// What the radio holds after the entry's transfer, as far as the entry tells.
CodeplugImage::Bytes heldByRadio(const archive::ArchiveEntry& entry) {
    const CodeplugImage::Bytes bytes = EntryBytes(entry);
    if (entry.operation != archive::Operation::Write || entry.radio.serial.isEmpty() || !link::SerialSentBlank(bytes))
        return bytes;
    CodeplugImage image;
    image.replaceAll(bytes);
    image.setText(bytemap::SerialNumber, bytemap::SerialNumberSize, entry.radio.serial.toStdString());
    return image.bytes();
}

}  // namespace

CodeplugImage::Bytes EntryBytes(const archive::ArchiveEntry& entry) {
    CodeplugImage::Bytes bytes{};
    std::copy_n(entry.image.begin(), std::min<std::size_t>(entry.image.size(), bytes.size()), bytes.begin());
    return bytes;
}

bool EntryImageSound(const archive::ArchiveEntry& entry) {
    return entry.image.size() == static_cast<int>(CodeplugImage::kSize) && archive::ImageHash(entry.image) == entry.sha256;
}

std::vector<FieldDifference> CompareEntryWithEditor(const archive::ArchiveEntry& entry, const EditingModel& editor) {
    const EntryEditor archived(heldByRadio(entry));
    return CompareDisplayedFields(archived.model, editor);
}

}  // namespace vantrel
