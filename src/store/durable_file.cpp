#include "durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace md {
namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

WriteResult failure() {
    return {false, write_failure_reason(errno)};
}

bool write_all(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A new entry in a folder is on the disk only once the folder is synced.
bool sync_folder_of(const QString& path) {
    const Descriptor folder(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.get() >= 0 && ::fsync(folder.get()) == 0;
}

}  // namespace

WriteResult create_durable_file(const QString& path, const QByteArray& bytes) {
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (file.get() < 0) {
        return failure();
    }
    if (!write_all(file.get(), bytes) || ::fsync(file.get()) != 0 || !sync_folder_of(path)) {
        const WriteResult failed = failure();
        ::unlink(QFile::encodeName(path).constData());
        return failed;
    }
    return {};
}

WriteResult append_durably(const QString& path, const QByteArray& bytes) {
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        return failure();
    }
    if (!S_ISREG(status.st_mode)) {
        return {false, QStringLiteral(u"（通常のファイルではありません）")};
    }
    if (!write_all(file.get(), bytes) || ::fdatasync(file.get()) != 0) {
        const WriteResult failed = failure();
        // Half a line would join the next one: the file goes back to its end before.
        if (::ftruncate(file.get(), status.st_size) == 0) {
            ::fdatasync(file.get());
        }
        return failed;
    }
    return {};
}

}  // namespace md
