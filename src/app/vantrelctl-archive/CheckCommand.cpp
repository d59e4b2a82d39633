// archive check: the database's own integrity check, then every image
// against its SHA-256. Exit 1 with what fails.
#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int ArchiveCheck(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveCheck, argc, argv, args)) return *done;
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    const auto report = store->check();
    if (!report) return Fail(store->error().toStdString());
    for (const QString& line : report->integrity) std::printf("database: %s\n", line.toStdString().c_str());
    for (const vantrel::archive::CheckFailure& f : report->failures)
        std::printf("entry %lld: %s\n", static_cast<long long>(f.id), f.reason.toStdString().c_str());
    const bool sound = report->integrity.isEmpty() && report->failures.empty();
    std::printf("%s: %s; %lld images checked, %zu do not match\n", store->location().describe().toStdString().c_str(),
                report->integrity.isEmpty() ? "database sound" : "database damaged",
                static_cast<long long>(report->images), report->failures.size());
    return sound ? 0 : kExitFailure;
}

}  // namespace vantrelctl
