#include "archive/RadioSummaries.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace vantrel::archive {

namespace {

// Columns that follow the newest entry, and those that follow the newest
// entry naming a model, each with the (time, id) pair that orders them.
struct Follows {
    const char* time;
    const char* id;
    std::initializer_list<const char*> columns;
};

const Follows kFollows[] = {
    {"last_time_utc", "last_id", {"last_id", "last_time_utc", "last_operation"}},
    {"model_time_utc", "model_id", {"model_number", "model_time_utc", "model_id"}},
};

// INSERT of the entry's own row, or on a known radio: one more entry, and
// each group of columns taken from the entry when it is newer.
QString upsert() {
    QStringList set{QStringLiteral("entries = radios.entries + 1")};
    for (const Follows& f : kFollows) {
        const QString newer = QStringLiteral("excluded.%1 > radios.%1 OR (excluded.%1 = radios.%1 AND excluded.%2 > radios.%2)")
                                  .arg(QLatin1String(f.time), QLatin1String(f.id));
        for (const char* c : f.columns)
            set << QStringLiteral("%1 = CASE WHEN %2 THEN excluded.%1 ELSE radios.%1 END").arg(QLatin1String(c), newer);
    }
    return QStringLiteral(
               "INSERT INTO radios (serial, model_number, model_time_utc, model_id, last_id, last_time_utc,"
               " last_operation, entries) VALUES (?, ?, ?, ?, ?, ?, ?, 1) ON CONFLICT (serial) DO UPDATE SET ") +
           set.join(QStringLiteral(", "));
}

}  // namespace

bool CountInRadioSummary(QSqlDatabase& db, const ArchiveEntry& e, QString& error) {
    if (e.radio.serial.isEmpty()) return true;
    static const QString statement = upsert();
    const QString time = StoredTime(e.time);
    const bool namesModel = !e.radio.modelNumber.isEmpty();
    QSqlQuery q(db);
    q.prepare(statement);
    for (const QVariant& v : {QVariant(e.radio.serial), QVariant(namesModel ? e.radio.modelNumber : QStringLiteral("")),
                              QVariant(namesModel ? time : QStringLiteral("")), QVariant(namesModel ? e.id : qint64(0)),
                              QVariant(e.id), QVariant(time), QVariant(QString::fromLatin1(OperationName(e.operation)))})
        q.addBindValue(v);
    if (q.exec()) return true;
    error = q.lastError().text();
    return false;
}

}  // namespace vantrel::archive
