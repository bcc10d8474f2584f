#include "single_instance.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kl {
namespace {

// A folder of this user's alone: a folder itself (not a link), owned by the user, closed to others.
bool is_private_folder(const QString& folder) {
    struct stat status {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// Makes folder a private folder: created with mode 0700 when missing. What the user owns there but
// others could enter or replace (an open folder, a link) is removed and made afresh, since others may
// have put their lock or socket in it; what another user owns there is refused (false).
bool make_private_folder(const QString& folder) {
    if (is_private_folder(folder)) {
        return true;
    }
    const QByteArray name = QFile::encodeName(folder);
    struct stat status {};
    if (::lstat(name.constData(), &status) == 0) {
        if (status.st_uid != ::geteuid()) {
            return false;
        }
        if (S_ISDIR(status.st_mode)) {
            QDir(folder).removeRecursively();
        } else {
            ::unlink(name.constData());
        }
    }
    return ::mkdir(name.constData(), 0700) == 0 && is_private_folder(folder);
}

}  // namespace

QString instance_folder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && is_private_folder(runtime)) {
        return runtime;
    }
    // Never the shared temporary folder itself: another user could plant the lock and the socket
    // there and be handed the files this user opens. When another user holds the name there, the
    // user's cache folder, which no one else can write, takes its place.
    const QString user = QString::number(::geteuid());
    for (const QString& folder : {QDir(QDir::tempPath()).filePath(QStringLiteral(u"kickledger-") + user),
                                  QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                                      .filePath(QStringLiteral(u"kickledger-instance"))}) {
        if (QDir().mkpath(QFileInfo(folder).path()) && make_private_folder(folder)) {
            return folder;
        }
    }
    return {};
}

bool SingleInstance::acquire() {
    const QString folder = instance_folder();
    // Without a private folder there is no lock to share: the program runs rather than not at all.
    if (folder.isEmpty()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral(u"/kickledger.lock"));
    // However long an instance runs, its lock stays valid; only a dead owner makes it stale.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace kl
