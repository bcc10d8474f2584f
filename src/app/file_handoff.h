#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace kl {

// A second start of Kickledger hands its file to the running one through a local socket beside the
// single-instance lock, and ends; the running one opens the file. The message is one line: the
// file's URL, empty when the second start named no file.

// The socket of the running instance.
QString handoff_socket_path();

// The running instance's end: listens for second starts.
class FileHandoffServer : public QObject {
    Q_OBJECT
  public:
    explicit FileHandoffServer(QObject* parent = nullptr);

    // Starts listening, for this user only. Call while holding the single-instance lock: a socket
    // left behind by an instance that ended without removing it is then safe to replace.
    bool listen();

  Q_SIGNALS:
    // A second start named path (absolute), or no file when path is empty.
    void file_handed(const QString& path);

  private:
    void take_connections();
    void read_message(QLocalSocket* socket);

    QLocalServer* server_;
};

// A second start's end: hands path (absolute, or empty for none) to the running instance. False when
// no running instance took it.
bool hand_to_running_instance(const QString& path);

}  // namespace kl
