#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace kl {

bool SingleInstance::acquire() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral(u"/kickledger.lock"));
    // However long an instance runs, its lock stays valid; only a dead owner makes it stale.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace kl
