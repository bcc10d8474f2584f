#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace kl {

// The private folder of the running instance's lock and of its hand-off socket: $XDG_RUNTIME_DIR, or
// else a folder of the user's alone (mode 0700); empty when there is none.
QString instance_folder();

// Holds the per-user lock that lets only one Kickledger run at a time. A lock left behind by a
// program that no longer runs is taken over.
class SingleInstance {
  public:
    // False when another instance holds the lock.
    bool acquire();

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace kl
