#include "BenchTimer.h"

#include <QFile>

TMemoryStatus ReadMemoryStatus() {
    TMemoryStatus m;
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : f.readAll().split('\n')) {
        auto kib = [&](const char* key) {
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
        };
        if (line.startsWith("VmRSS:"))
            m.RssKiB = kib("VmRSS:");
        else if (line.startsWith("VmHWM:"))
            m.PeakKiB = kib("VmHWM:");
    }
    return m;
}
