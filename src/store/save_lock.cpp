#include "save_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>

namespace md {
namespace {

// Opened without waiting: a FIFO put in the lock file's place cannot hold the save.
int open_lock_file(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    // A lock file of another user's still locks (flock needs no write access).
    return descriptor >= 0 ? descriptor : ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

}  // namespace

QString save_lock_path(const QString& team_file) {
    const QFileInfo file(team_file);
    return file.dir().filePath(u'.' + file.fileName() + QStringLiteral(u".lock"));
}

SaveLock::SaveLock(const QString& team_file, int wait_ms)
    : descriptor_(open_lock_file(save_lock_path(team_file))) {
    if (descriptor_ < 0) {
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return;  // a file system without locks: saved as before
        }
        if (waited.elapsed() >= wait_ms) {
            busy_ = true;
            return;
        }
        QThread::msleep(10);
    }
}

SaveLock::~SaveLock() {
    // Closing the file releases the lock; the file stays for the next save.
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

}  // namespace md
