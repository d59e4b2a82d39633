#include "archive/Attribution.h"

#include "archive/ArchiveStore.h"
#include "archive/RadioFacts.h"

namespace vantrel::archive {

Attribution Attribute(ArchiveStore& store, const FinishedTransfer& t) {
    if (t.bytes && t.operation != Operation::Write)
        if (const QString sent = SerialOf(*t.bytes); !sent.isEmpty() || t.operation == Operation::Read) return {sent};
    if (t.operation == Operation::Read) return {};

    const auto read = store.latestRead(QString::fromStdString(t.port), QString::fromStdString(t.device),
                                       t.time.addSecs(-kReadBeforeWriteSeconds), t.time);
    // The latest read decides: one that named no radio (it failed) does not
    // let an older read of perhaps another radio count.
    if (read && !read->radio.serial.isEmpty()) return {read->radio.serial};
    if (t.written)
        if (const QString filed = SerialOf(*t.written); !filed.isEmpty()) return {filed, true};
    return {};
}

}  // namespace vantrel::archive
