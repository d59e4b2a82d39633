// archive radios and archive list: the archive's radios and its entries.
#include <cstdio>

#include "Commands.h"
#include "cli/Table.h"
#include "vantrelctl/JsonText.h"

namespace vantrelctl {

namespace {

using namespace vantrel::archive;

std::string json(const QString& s) { return JsonString(s.toStdString()); }

std::string jsonTime(const QDateTime& t) { return json(t.toUTC().toString(Qt::ISODateWithMs)); }

std::string serialText(const ArchiveEntry& e) {
    return e.radio.serial.toStdString() + (e.serialFromFile ? " (from file)" : "");
}

// Members of an entry that list and show both print.
std::string entryMembers(const ArchiveEntry& e) {
    return "\"id\": " + std::to_string(e.id) + ", \"time\": " + jsonTime(e.time) +
           ", \"operation\": " + JsonString(OperationName(e.operation)) + ", \"completed\": " +
           (e.completed ? "true" : "false") + ", \"outcome\": " + json(e.outcome) + ", \"serial\": " +
           json(e.radio.serial) + ", \"serialFromFile\": " + (e.serialFromFile ? "true" : "false") +
           ", \"model\": " + json(e.radio.modelNumber) + ", \"port\": " + json(e.port) + ", \"device\": " +
           json(e.device);
}

// "2026-12-01" (from its start) or "2026-12-01T08:00[:00][Z]", as UTC.
QDateTime parseSince(const std::string& text) {
    const QString s = QString::fromStdString(text);
    if (const QDate day = QDate::fromString(s, QStringLiteral("yyyy-MM-dd")); day.isValid() && s.size() == 10)
        return QDateTime(day, QTime(0, 0), Qt::UTC);
    QDateTime t = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (t.isValid() && t.timeSpec() == Qt::LocalTime) t.setTimeSpec(Qt::UTC);
    return t;
}

}  // namespace

std::string EntryJsonMembers(const ArchiveEntry& e) { return entryMembers(e); }

int ArchiveRadios(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveRadios, argc, argv, args)) return *done;
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    const auto radios = store->radios();
    if (!radios) return Fail(store->error().toStdString());
    if (args.has("--json")) {
        std::printf("[");
        for (std::size_t k = 0; k < radios->size(); ++k) {
            const RadioSummary& r = (*radios)[k];
            std::printf("%s\n  {\"serial\": %s, \"model\": %s, \"entries\": %lld, \"lastEntry\": {\"id\": %lld, "
                        "\"time\": %s, \"operation\": %s}}",
                        k ? "," : "", json(r.serial).c_str(), json(r.modelNumber).c_str(),
                        static_cast<long long>(r.entries), static_cast<long long>(r.lastId),
                        jsonTime(r.lastTime).c_str(), json(r.lastOperation).c_str());
        }
        std::printf("%s]\n", radios->empty() ? "" : "\n");
        return 0;
    }
    std::vector<std::vector<std::string>> rows{{"Serial", "Model", "Entries", "Last entry", "Last time (UTC)", "Last operation"}};
    for (const RadioSummary& r : *radios)
        rows.push_back({r.serial.toStdString(), r.modelNumber.toStdString(), std::to_string(r.entries),
                        std::to_string(r.lastId), TimeText(r.lastTime), r.lastOperation.toStdString()});
    PrintTable(rows);
    return 0;
}

int ArchiveList(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveList, argc, argv, args)) return *done;
    QDateTime since;
    if (args.has("--since") && !(since = parseSince(args.value("--since"))).isValid())
        return UsageError(kArchiveList, "'" + args.value("--since") + "' is not a date (2026-12-01 or 2026-12-01T08:00)");
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    const auto entries = store->list(QString::fromStdString(args.value("--serial")), since);
    if (!entries) return Fail(store->error().toStdString());
    if (args.has("--json")) {
        std::printf("[");
        for (std::size_t k = 0; k < entries->size(); ++k)
            std::printf("%s\n  {%s}", k ? "," : "", entryMembers((*entries)[k]).c_str());
        std::printf("%s]\n", entries->empty() ? "" : "\n");
        return 0;
    }
    std::vector<std::vector<std::string>> rows{{"ID", "Time (UTC)", "Operation", "Outcome", "Serial", "Model", "Port"}};
    for (const ArchiveEntry& e : *entries)
        rows.push_back({std::to_string(e.id), TimeText(e.time), OperationName(e.operation), e.outcome.toStdString(),
                        serialText(e), e.radio.modelNumber.toStdString(), e.port.toStdString()});
    PrintTable(rows);
    return 0;
}

}  // namespace vantrelctl
