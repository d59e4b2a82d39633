// A program that records reads into the archive VANTREL_ARCHIVE names, as
// many programs recording at once would: `archive_writer N` records N reads
// of radio "P<pid>", one recording each; N = 0 records until it is killed.
// Each stored entry's id goes to standard output.
#include <unistd.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "archive/RecordTransfer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    using namespace vantrel::archive;
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    const ArchiveLocation where = ChooseLocation(QString());
    vantrel::CodeplugImage image;
    image.setText(vantrel::bytemap::SerialNumber, vantrel::bytemap::SerialNumberSize, "P" + std::to_string(::getpid()));
    int failures = 0;
    for (long n = 0; count == 0 || n < count; ++n) {
        image.setByte(0, static_cast<std::uint8_t>(n));
        FinishedTransfer t;
        t.completed = true;
        t.outcome = "Done";
        t.port = "Com1";
        t.device = "/dev/ttyUSB0";
        t.bytes = image.bytes();
        std::vector<ArchiveEntry> stored;
        if (RecordTransfers(where, {t}, [](const QString& w) { std::fprintf(stderr, "%s\n", qPrintable(w)); }, &stored) != 1)
            ++failures;
        else
            std::printf("%lld\n", static_cast<long long>(stored[0].id));
        std::fflush(stdout);
    }
    return failures ? 1 : 0;
}
