#include "support/file_systems.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace kl::test {
namespace {

QString system_error() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Moves the process into a mount namespace of its own, once: its mounts are never seen outside
// and vanish when it ends.
QString enter_own_mount_namespace() {
    static const QString failure = []() -> QString {
        if (geteuid() != 0) {
            return QStringLiteral(u"mounting a file system needs root");
        }
        if (unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return QStringLiteral(u"no mount namespace of its own: ") + system_error();
        }
        return {};
    }();
    return failure;
}

// The working folder inside a folder whose mount changed is looked up again, so that relative
// names reach the mount that is now there.
void reenter(const QString& folder) {
    if (QDir::currentPath() == QDir(folder).absolutePath()) {
        QDir::setCurrent(folder);
    }
}

}  // namespace

FileSystemTrap::FileSystemTrap(const QString& folder) : folder_(QDir(folder).absolutePath()) {}

FileSystemTrap::~FileSystemTrap() {
    if (mounted_) {
        umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
        reenter(folder_);
    }
    if (made_read_only_) {
        QFile::setPermissions(folder_, QFile::permissions(folder_) | QFile::WriteOwner);
    }
}

bool FileSystemTrap::mount(const char* source, const char* type, unsigned long flags,
                           const QString& options) {
    why_not_ = enter_own_mount_namespace();
    if (!ready()) {
        return false;
    }
    if (::mount(source, QFile::encodeName(folder_).constData(), type, flags,
                options.isEmpty() ? nullptr : options.toUtf8().constData()) != 0) {
        why_not_ = QStringLiteral(u"cannot mount: ") + system_error();
        return false;
    }
    mounted_ = true;
    reenter(folder_);
    return true;
}

bool FileSystemTrap::remount(unsigned long flags) {
    if (::mount(nullptr, QFile::encodeName(folder_).constData(), nullptr, MS_REMOUNT | flags, nullptr) != 0) {
        why_not_ = QStringLiteral(u"cannot remount: ") + system_error();
        return false;
    }
    return true;
}

SmallDisk::SmallDisk(const QString& folder, int bytes) : FileSystemTrap(folder) {
    mount("tmpfs", "tmpfs", 0, QStringLiteral(u"size=%1").arg(bytes));
}

void SmallDisk::fill_leaving(int free_bytes) const {
    QFile filler(folder_ + QStringLiteral(u"/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    ASSERT_GE(filler.size(), free_bytes);
    ASSERT_TRUE(filler.resize(filler.size() - free_bytes));
}

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : FileSystemTrap(folder) {
    if (geteuid() != 0) {
        const QFileDevice::Permissions writing =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        made_read_only_ = QFile::setPermissions(folder_, QFile::permissions(folder_) & ~writing);
        if (!made_read_only_) {
            why_not_ = QStringLiteral(u"cannot take the write permission away");
        }
        return;
    }
    // Root writes whatever the permissions say: the folder is mounted again on itself, read-only.
    const QByteArray path = QFile::encodeName(folder_);
    if (mount(path.constData(), nullptr, MS_BIND, {})) {
        remount(MS_BIND | MS_RDONLY);
    }
}

Fifo::Fifo(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0) {
        ADD_FAILURE() << "cannot make the FIFO " << path.toStdString();
        return;
    }
    writer_ = std::thread([this, name] {
        while (!done_) {
            // Without a reader the open fails at once (ENXIO).
            if (const int descriptor = ::open(name.constData(), O_WRONLY | O_NONBLOCK); descriptor >= 0) {
                opened_ = true;
                ::close(descriptor);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
}

Fifo::~Fifo() {
    done_ = true;
    if (writer_.joinable()) {
        writer_.join();
    }
}

}  // namespace kl::test
