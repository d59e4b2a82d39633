// A fleet job's transfers go into the radio archive as single ones do.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/ArchiveStore.h"
#include "codeplug/ByteMap.h"
#include "fleet/ArchivingObserver.h"

namespace vantrel::fleet {
namespace {

TEST(FleetArchiving, EveryTransferOfAJobLandsUnderItsRadio) {
    QTemporaryDir dir;
    const archive::ArchiveLocation where = archive::ParseLocation(dir.filePath("archive.sqlite"));
    CodeplugImage radio;
    radio.setText(bytemap::SerialNumber, bytemap::SerialNumberSize, "F100000001");
    {
        archive::ArchiveRecorder recorder(where, [](const QString& w) { ADD_FAILURE() << w.toStdString(); });
        ArchivingObserver observer(recorder);
        observer.transferDone({"/dev/ttyUSB3", "/dev/ttyUSB3", Operation::Read, "Successfully Reading End.", true,
                               radio.bytes(), "F100000001"});
        observer.transferDone({"/dev/ttyUSB3", "/dev/ttyUSB3", Operation::Write, "Successfully Writing End.", true,
                               radio.bytes(), "F100000001"});
        observer.transferDone({"/dev/ttyUSB3", "/dev/ttyUSB3", Operation::Verify, "Communication Error.", false,
                               std::nullopt, "F100000001"});
    }  // the recorder stores everything queued before it goes
    QString error;
    const auto store = archive::ArchiveStore::Open(where, error);
    ASSERT_TRUE(store) << error.toStdString();
    const auto entries = store->list(QStringLiteral("F100000001"), QDateTime());
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 3u);
}

}  // namespace
}  // namespace vantrel::fleet
