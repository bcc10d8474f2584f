#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace kl {

QString instance_folder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(instance_folder() + QStringLiteral(u"/kickledger.lock"));
    // However long an instance runs, its lock stays valid; only a dead owner makes it stale.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace kl
