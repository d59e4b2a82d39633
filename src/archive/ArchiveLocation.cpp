#include "archive/ArchiveLocation.h"

#include <QUrl>

#include "shell/XdgClassesRoot.h"

namespace vantrel::archive {

namespace {

constexpr const char* kFolderName = "Vantrel CPS";
constexpr const char* kFileName = "archive.sqlite";
constexpr int kDefaultPostgresPort = 5432;

ArchiveLocation sqliteAt(const QString& path) {
    ArchiveLocation where;
    where.kind = ArchiveLocation::Kind::Sqlite;
    where.path = path;
    if (path.isEmpty()) where.error = QStringLiteral("no home folder for the archive ($XDG_DATA_HOME and $HOME are unset)");
    return where;
}

ArchiveLocation postgresAt(const QString& text) {
    ArchiveLocation where;
    where.kind = ArchiveLocation::Kind::Postgres;
    const QUrl url(text, QUrl::StrictMode);
    where.host = url.host();
    where.port = url.port(kDefaultPostgresPort);
    where.database = url.path().mid(1);
    where.user = url.userName();
    where.password = url.password();
    // The message names the URL without its password.
    const QString shown = QStringLiteral("postgresql://") + (where.user.isEmpty() ? QString() : where.user + "@") +
                          where.host + (url.port() > 0 ? QStringLiteral(":%1").arg(url.port()) : QString()) +
                          url.path();
    if (!url.isValid() || where.host.isEmpty() || where.database.isEmpty() || where.database.contains('/'))
        where.error = QStringLiteral("'%1' is not a PostgreSQL URL of the form postgresql://user@host:port/database")
                          .arg(url.isValid() ? shown : QStringLiteral("postgresql://..."));
    return where;
}

}  // namespace

QString ArchiveLocation::describe() const {
    switch (kind) {
    case Kind::Off:
        return QStringLiteral("off");
    case Kind::Sqlite:
        return path;
    case Kind::Postgres:
        break;
    }
    return QStringLiteral("postgresql://%1%2:%3/%4")
        .arg(user.isEmpty() ? QString() : user + "@", host)
        .arg(port)
        .arg(database);
}

QString DefaultArchivePath() {
    const std::string home = XdgClassesRoot::userDataHome();
    if (home.empty()) return {};
    return QString::fromStdString(home) + "/" + kFolderName + "/" + kFileName;
}

ArchiveLocation ParseLocation(const QString& choice) {
    const QString text = choice.trimmed();
    if (text.isEmpty()) return sqliteAt(DefaultArchivePath());
    if (text.compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
        ArchiveLocation off;
        off.kind = ArchiveLocation::Kind::Off;
        return off;
    }
    for (const char* scheme : {"postgresql://", "postgres://"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return postgresAt(text);
    return sqliteAt(text);
}

ArchiveLocation ChooseLocation(const QString& setting) {
    if (qEnvironmentVariableIsSet("VANTREL_ARCHIVE")) return ParseLocation(qEnvironmentVariable("VANTREL_ARCHIVE"));
    return ParseLocation(setting);
}

}  // namespace vantrel::archive
