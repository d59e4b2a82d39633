#pragma once
// The notice after a Read: when the archive holds an earlier write to the
// same radio (by serial number) and the radio now holds something else, the
// editor says how many fields differ and since when, and offers the Radio
// Archive window's comparison of that write with the editor's data. It is
// given once for each radio and write in a program run.
//
// The archive is asked on a thread of the notice's own, so a slow or
// unreachable archive never holds up the editor; an archive that is off or
// cannot be read gives no notice (the recording of the read already reports
// what is wrong with it).
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <functional>
#include <optional>

#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"

class QSettings;

namespace vantrel {

class EditingModel;
class Prompts;

class ReadNotice : public QObject {
    Q_OBJECT
public:
    struct Editor {
        std::function<const EditingModel&()> model;
        // Shows the Radio Archive window's comparison of the entry with the editor's data.
        std::function<void(const archive::ArchiveEntry&)> compare;
    };

    ReadNotice(Prompts& prompts, QSettings& settings, Editor editor, QObject* parent = nullptr);
    ~ReadNotice() override;

    // The editor now shows the bytes a Read just took from the radio.
    void readShown(const CodeplugImage::Bytes& bytes);
    // Reads whose notice has been given or found not due.
    int readsSettled() const { return settled_; }

private:
    void settle(const std::optional<archive::ArchiveEntry>& write);

    Prompts& prompts_;
    QSettings& settings_;
    Editor editor_;
    QSet<QString> given_;  // uuids of the writes a notice was given for
    int settled_ = 0;
    // Last, so that it is destroyed first: waits for a lookup under way.
    QThreadPool lookups_;
};

}  // namespace vantrel
