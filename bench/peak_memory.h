#pragma once

#include <QByteArray>
#include <QFile>

namespace kl::bench {

// The process's peak resident memory in kB, as a line: VmHWM of /proc/self/status. (getrusage's
// maximum would include the parent's memory at the fork that started this program.)
inline QByteArray peak_memory() {
    QFile status(QStringLiteral(u"/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0) + '\n';
        }
    }
    return "0\n";
}

}  // namespace kl::bench
