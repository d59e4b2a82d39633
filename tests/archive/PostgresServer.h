#pragma once
// A PostgreSQL server of the tests' own: initdb and pg_ctl in a temporary
// folder, on 127.0.0.1 and a free port, as an unprivileged user (the
// `postgres` system user when the tests run as root, for initdb refuses
// root). It is stopped and removed when the test program ends, also after
// failed tests. A server that cannot be started is a failure, never a skip.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vantrel::archive::test {

inline const QString kPostgresBin = QStringLiteral("/usr/lib/postgresql/15/bin");

// A port on 127.0.0.1 that nothing listens on just now.
inline int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

class PostgresServer {
public:
    // Starts the server; started() tells, failure() says why not.
    PostgresServer() { start(); }
    ~PostgresServer() {
        stop();
        if (!folder_.isEmpty()) QDir(folder_).removeRecursively();
    }

    bool started() const { return running_; }
    const QString& failure() const { return failure_; }
    int port() const { return port_; }

    // "postgresql://postgres@127.0.0.1:PORT/NAME" for a database made anew.
    QString newDatabase(const QString& name) {
        const bool made = run(kPostgresBin + "/createdb",
                              {"-h", "127.0.0.1", "-p", QString::number(port_), "-U", "postgres", name});
        return made ? url(name) : QString();
    }
    QString url(const QString& database) const {
        return QStringLiteral("postgresql://postgres@127.0.0.1:%1/%2").arg(port_).arg(database);
    }

    // Stops the server (fast) and starts it again on the same port.
    bool stop() {
        if (!running_) return true;
        running_ = !run(kPostgresBin + "/pg_ctl", {"-D", data(), "-m", "fast", "-w", "stop"});
        return !running_;
    }
    bool start() {
        if (running_) return true;
        if (folder_.isEmpty() && !initialise()) return false;
        running_ = run(kPostgresBin + "/pg_ctl",
                       {"-D", data(), "-l", folder_ + "/log", "-w", "-t", "30", "-o",
                        QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off").arg(port_).arg(folder_),
                        "start"});
        return running_;
    }

private:
    QString data() const { return folder_ + "/data"; }

    bool initialise() {
        char pattern[] = "/tmp/vantrel-pg-XXXXXX";
        if (!::mkdtemp(pattern)) return fail(QStringLiteral("cannot make a temporary folder"));
        folder_ = QString::fromLocal8Bit(pattern);
        if (::geteuid() == 0) {
            const passwd* pg = ::getpwnam("postgres");
            if (!pg) return fail(QStringLiteral("running as root and there is no 'postgres' user to run initdb as"));
            if (::chown(pattern, pg->pw_uid, pg->pw_gid) != 0) return fail(QStringLiteral("cannot hand the folder to postgres"));
        }
        port_ = FreePort();
        if (port_ == 0) return fail(QStringLiteral("no free port on 127.0.0.1"));
        return run(kPostgresBin + "/initdb", {"-D", data(), "-U", "postgres", "-A", "trust", "--no-sync", "-E", "UTF8"});
    }

    // Runs a server program, as the postgres user when we are root.
    bool run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        if (::geteuid() == 0) p.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--", program} + args);
        else p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return fail(program + " " + args.join(' ') + ": " + QString::fromLocal8Bit(p.readAll()) + p.errorString());
        return true;
    }

    bool fail(const QString& why) {
        failure_ += why + "\n";
        return false;
    }

    QString folder_;
    int port_ = 0;
    bool running_ = false;
    QString failure_;
};

// The one server of a test program, started on first use.
inline PostgresServer& SharedServer() {
    static PostgresServer server;
    return server;
}

}  // namespace vantrel::archive::test
