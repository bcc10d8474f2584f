#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace kl::test {

// A folder that is made hard to write to for the life of the object, to see what saves do there.
// Mounting needs root: each mount is made in a mount namespace of the test process alone, so it
// goes away with the process whatever happens, and it is unmounted when the object goes.
// When it cannot be done, ready() is false and why_not() says why (a test then skips).
class FileSystemTrap {
  public:
    FileSystemTrap(const FileSystemTrap&) = delete;
    FileSystemTrap& operator=(const FileSystemTrap&) = delete;
    ~FileSystemTrap();

    bool ready() const { return why_not_.isEmpty(); }
    const QString& why_not() const { return why_not_; }

  protected:
    explicit FileSystemTrap(const QString& folder);
    // Mounts source (a file system type's name or a folder) on the folder; false with why_not set.
    bool mount(const char* source, const char* type, unsigned long flags, const QString& options);
    bool remount(unsigned long flags);

    QString folder_;
    QString why_not_;
    bool mounted_ = false;
    bool made_read_only_ = false;
};

// A file system of `bytes` bytes (tmpfs) on folder, to fill up.
class SmallDisk : public FileSystemTrap {
  public:
    SmallDisk(const QString& folder, int bytes);
    // Fills the disk with a file of its own until only free_bytes (whole pages) are left.
    void fill_leaving(int free_bytes) const;
};

// folder, read-only: a read-only mount of itself for root, its permissions for anyone else.
class ReadOnlyFolder : public FileSystemTrap {
  public:
    explicit ReadOnlyFolder(const QString& folder);
};

// A FIFO at path for the life of the object. A thread opens it for writing, and closes it at once,
// whenever a reader waits on it: code that opens it for reading then reads an empty file instead of
// hanging the test, and the test can fail.
class Fifo {
  public:
    explicit Fifo(const QString& path);
    ~Fifo();
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    // Whether anything opened the FIFO for reading.
    bool opened() const { return opened_; }

  private:
    std::atomic<bool> done_{false};
    std::atomic<bool> opened_{false};
    std::thread writer_;
};

}  // namespace kl::test
