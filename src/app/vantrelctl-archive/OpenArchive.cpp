// The archive the user chose, and the entries and images named on the
// command line.
#include <QSettings>

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "Commands.h"
#include "archive/PendingCopies.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

using namespace vantrel::archive;

std::unique_ptr<ArchiveStore> OpenChosenArchive() {
    const auto settings = vantrel::link::OpenProgramSettings();
    const ArchiveLocation where = ChooseLocation(settings->value(kLocationSetting).toString());
    if (where.kind == ArchiveLocation::Kind::Off) {
        Fail("the archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is 'off')");
        return nullptr;
    }
    QString error;
    auto store = ArchiveStore::Open(where, error);
    if (!store) {
        Fail(error.toStdString());
        return nullptr;
    }
    if (where.shared()) {
        const int copied = CopyPendingFromLocal(*store, error);
        if (copied < 0)
            std::fprintf(stderr, "vantrelctl: warning: entries kept locally could not be copied to %s: %s\n",
                         where.describe().toLocal8Bit().constData(), error.toLocal8Bit().constData());
        else if (copied > 0)
            std::fprintf(stderr, "vantrelctl: %d entries kept locally while %s was down are now copied to it\n",
                         copied, where.describe().toLocal8Bit().constData());
    }
    return store;
}

std::optional<ArchiveEntry> EntryNamed(ArchiveStore& store, const CommandSpec& command, const std::string& text,
                                       int& exit) {
    char* end = nullptr;
    const long long id = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end || id <= 0) {
        exit = UsageError(command, "'" + text + "' is not an entry id (a number, as 'archive list' shows)");
        return std::nullopt;
    }
    auto entry = store.entry(id);
    if (!entry) {
        exit = Fail(store.error().isEmpty() ? "there is no entry " + text + " in the archive"
                                            : store.error().toStdString());
        return std::nullopt;
    }
    return entry;
}

std::optional<vantrel::CodeplugImage::Bytes> ImageOf(const ArchiveEntry& entry) {
    const std::string id = std::to_string(entry.id);
    if (entry.image.isEmpty()) {
        Fail("entry " + id + " holds no image: the " + OperationName(entry.operation) + " did not complete (" +
             entry.outcome.toStdString() + ")");
        return std::nullopt;
    }
    if (entry.image.size() != static_cast<int>(vantrel::CodeplugImage::kSize) || ImageHash(entry.image) != entry.sha256) {
        Fail("entry " + id + "'s image does not match its SHA-256 and is not used ('vantrelctl archive check' lists "
             "every such entry)");
        return std::nullopt;
    }
    vantrel::CodeplugImage::Bytes bytes{};
    std::copy(entry.image.begin(), entry.image.end(), bytes.begin());
    return bytes;
}

std::string TimeText(const QDateTime& time) {
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::string EntryLabel(const ArchiveEntry& e) {
    const std::string radio = e.radio.serial.isEmpty() ? "no serial" : "radio " + e.radio.serial.toStdString();
    return "entry " + std::to_string(e.id) + " (" + radio + ", " + OperationName(e.operation) + ", " +
           TimeText(e.time) + ")";
}

}  // namespace vantrelctl
