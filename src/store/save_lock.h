#pragma once

#include <QString>

namespace md {

// The lock file of a team file: ".NAME.kld.lock" beside it.
QString save_lock_path(const QString& team_file);

// An advisory lock on the team file's lock file, held while a save checks the file and replaces
// it: two programs saving one file take turns, so neither replaces the other's save unseen.
// Programs that take no lock are caught by the check right before the replacement.
class SaveLock {
  public:
    // Waits at most wait_ms for a program that holds the lock.
    explicit SaveLock(const QString& team_file, int wait_ms = 1000);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Whether another program held the lock all the time. Where no lock file can be made (a folder
    // that cannot be written) the save goes on without one, and meets its own failure.
    bool busy() const { return busy_; }

  private:
    int descriptor_ = -1;
    bool busy_ = false;
};

}  // namespace md
