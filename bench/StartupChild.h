#pragma once
// What the start-up children of bench_editor tell the benchmark: one line
// when their window has been painted and, for the program, one when its
// start-up has ended, each with the resident memory at that moment.
#include <QFile>
#include <cstdio>

inline long ResidentKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

inline void Say(const char* what, const QByteArray& rest = {}) {
    std::printf("%s %ld %s\n", what, ResidentKiB(), rest.constData());
    std::fflush(stdout);
}
