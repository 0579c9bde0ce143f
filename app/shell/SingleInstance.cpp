#include "shell/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

#include <unistd.h>

namespace tarnveil {

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(socketPath.isEmpty() ? defaultSocketPath() : std::move(socketPath))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath()
{
    // The runtime folder belongs to the user alone; without one, a per-user name in the
    // temporary folder (the server then limits access to the user).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("tarnveil-%1.socket").arg(::getuid()));
}

QByteArray SingleInstance::encode(const QStringList& files)
{
    // Only whole paths, as many as the receiver takes.
    QByteArray bytes;
    for (const QString& file : files.mid(0, maximumFiles)) {
        const QByteArray path = QFileInfo(file).absoluteFilePath().toUtf8() + '\0';
        if (bytes.size() + path.size() + 1 > maximumBytes) {
            break;
        }
        bytes += path;
    }
    // The closing NUL tells a whole hand-over from one cut short.
    return bytes + '\0';
}

std::optional<QStringList> SingleInstance::decode(const QByteArray& bytes)
{
    const bool whole = bytes == QByteArray(1, '\0') || bytes.endsWith(QByteArray(2, '\0'));
    if (!whole) {
        return std::nullopt;
    }
    QStringList files;
    for (const QByteArray& piece : bytes.split('\0')) {
        if (files.size() == maximumFiles) {
            break;
        }
        const QString file = QString::fromUtf8(piece);
        // Only absolute paths are files; anything else cannot have come from a launch.
        if (!file.isEmpty() && QDir::isAbsolutePath(file)) {
            files.append(file);
        }
    }
    return files;
}

SingleInstance::Role SingleInstance::start(const QStringList& files)
{
    if (handOver(files)) {
        return Role::handedOver;
    }
    listen();
    return Role::primary;
}

bool SingleInstance::handOver(const QStringList& files) const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMilliseconds)) {
        return false;
    }
    socket.write(encode(files));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMilliseconds)) {
            return false;
        }
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMilliseconds);
    }
    return true;
}

bool SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    if (server_->listen(socketPath_)) {
        return true;
    }
    // Nobody answered, so a socket file left there is stale (a crashed instance).
    QLocalServer::removeServer(socketPath_);
    return server_->listen(socketPath_);
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto received = std::make_shared<Received>();
        connect(socket, &QLocalSocket::readyRead, this, [socket, received] { take(*socket, *received); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
            take(*socket, *received);
            socket->deleteLater();
            const std::optional<QStringList> files = received->dropped ? std::nullopt : decode(received->bytes);
            if (files) {
                emit filesReceived(*files);
            }
        });
        // A hand-over that does not finish in time is not acted on.
        QTimer::singleShot(timeoutMilliseconds, socket, [socket, received] {
            received->dropped = true;
            socket->abort();
        });
    }
}

void SingleInstance::take(QLocalSocket& socket, Received& received)
{
    if (received.dropped) {
        socket.readAll();
        return;
    }
    received.bytes += socket.read(maximumBytes + 1 - received.bytes.size());
    if (received.bytes.size() > maximumBytes) {
        // Larger than any real launch sends: dropped whole rather than cut inside a path.
        received.dropped = true;
        socket.abort();
    }
}

} // namespace tarnveil
