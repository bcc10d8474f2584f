#include "file_handoff.h"

#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QUrl>

namespace kl {
namespace {

// A path is far shorter; a peer sending more is not a second start of ours.
constexpr qint64 longest_message = 64 * 1024;
constexpr int wait_ms = 2000;

}  // namespace

QString handoff_socket_path() {
    const QString folder = instance_folder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral(u"/kickledger.socket");
}

FileHandoffServer::FileHandoffServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &FileHandoffServer::take_connections);
}

bool FileHandoffServer::listen() {
    const QString socket = handoff_socket_path();
    if (socket.isEmpty()) {
        return false;
    }
    if (server_->listen(socket)) {
        return true;
    }
    QLocalServer::removeServer(socket);
    return server_->listen(socket);
}

void FileHandoffServer::take_connections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read_message(socket); });
        // The message may have arrived with the connection.
        read_message(socket);
    }
}

void FileHandoffServer::read_message(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > longest_message) {
            socket->abort();
        }
        return;
    }
    QByteArray line = socket->readLine(longest_message);
    if (!line.endsWith('\n')) {
        socket->abort();
        return;
    }
    line.chop(1);
    socket->disconnectFromServer();
    emit file_handed(line.isEmpty() ? QString() : QUrl::fromEncoded(line).toLocalFile());
}

bool hand_to_running_instance(const QString& path) {
    // The running instance takes its lock a moment before it listens: a start in that moment tries
    // again for a while.
    const QString server = handoff_socket_path();
    for (int attempt = 0; attempt < 20 && !server.isEmpty(); ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(server);
        if (socket.waitForConnected(wait_ms)) {
            // As a file URL, whatever characters the path holds, the message stays one line.
            socket.write((path.isEmpty() ? QByteArray() : QUrl::fromLocalFile(path).toEncoded()) + '\n');
            const bool sent = socket.waitForBytesWritten(wait_ms);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace kl
