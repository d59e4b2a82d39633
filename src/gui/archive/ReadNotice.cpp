#include "gui/archive/ReadNotice.h"

#include <QDateTime>
#include <QSettings>

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveStore.h"
#include "archive/RadioFacts.h"
#include "gui/archive/EntryComparison.h"
#include "gui/archive/frmArchive.h"
#include "gui/common/Prompts.h"

namespace vantrel {

namespace {

QString noticeText(const archive::ArchiveEntry& write, std::size_t differing) {
    const QString fields = differing == 1 ? ReadNotice::tr("1 field differs")
                                          : ReadNotice::tr("%1 fields differ").arg(differing);
    return ReadNotice::tr("Radio %1 no longer holds its last write, of %2 UTC: %3.\r\n\r\n"
                          "Compare the radio with that write?")
        .arg(write.radio.serial, ArchiveTimeText(write.time), fields);
}

}  // namespace

ReadNotice::ReadNotice(Prompts& prompts, QSettings& settings, Editor editor, QObject* parent)
    : QObject(parent), prompts_(prompts), settings_(settings), editor_(std::move(editor)) {
    // One lookup at a time, in the order of the reads.
    lookups_.setMaxThreadCount(1);
}

ReadNotice::~ReadNotice() { lookups_.waitForDone(); }

void ReadNotice::readShown(const CodeplugImage::Bytes& bytes) {
    const QString serial = archive::SerialOf(bytes);
    const archive::ArchiveLocation where =
        archive::ChooseLocation(settings_.value(archive::kLocationSetting).toString());
    if (serial.isEmpty() || where.kind == archive::ArchiveLocation::Kind::Off) return settle(std::nullopt);
    const QDateTime readAt = QDateTime::currentDateTimeUtc();
    lookups_.start([this, where, serial, readAt] {
        std::optional<archive::ArchiveEntry> write;
        QString error;
        if (const auto store = archive::ArchiveStore::Open(where, error)) write = store->latestWrite(serial, readAt);
        QMetaObject::invokeMethod(this, [this, write] { settle(write); }, Qt::QueuedConnection);
    });
}

void ReadNotice::settle(const std::optional<archive::ArchiveEntry>& write) {
    const bool due = write && !given_.contains(write->uuid) && EntryImageSound(*write);
    if (const std::size_t differing = due ? CompareEntryWithEditor(*write, editor_.model()).size() : 0) {
        given_.insert(write->uuid);
        const Prompts::Message notice{noticeText(*write, differing), tr("Radio Archive"), Prompts::Icon::Question,
                                      Prompts::Buttons::YesNo, Prompts::Answer::Yes};
        if (prompts_.message(notice) == Prompts::Answer::Yes) editor_.compare(*write);
    }
    ++settled_;
}

}  // namespace vantrel
