#pragma once
// Which radio an entry is filed under, the one rule for every program that
// records:
//   - a read, or a verify whose read-back carries a serial number: the serial
//     number the radio sent;
//   - a write (or a verify of a radio that sent none): the serial number the
//     same radio reported in a read just before it on the same port and
//     device, as a fleet job always reads first;
//   - otherwise the serial number of the written image before the write's
//     adjustments, marked as taken from the file.
#include <QDateTime>
#include <QString>

#include "archive/FinishedTransfer.h"

namespace vantrel::archive {

class ArchiveStore;

// How long before a write a read on the same port still counts as a read of
// the same radio.
constexpr int kReadBeforeWriteSeconds = 300;

struct Attribution {
    QString serial;         // empty when nothing names the radio
    bool fromFile = false;
};

// `store` is the archive the entry goes to (its reads are looked up there).
Attribution Attribute(ArchiveStore& store, const FinishedTransfer& transfer);

}  // namespace vantrel::archive
