#include "app/tavstop_u.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <memory>

namespace textaria::app {

namespace {

constexpr int kConnectMilliseconds = 1000;

}  // namespace

QString instanceName() {
    const QString overridden = qEnvironmentVariable("TEXTARIA_INSTANCE_NAME");
    if (!overridden.isEmpty()) return overridden;
    return QStringLiteral("textaria-%1").arg(::getuid());
}

SingleInstanceGuard::SingleInstanceGuard(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstanceGuard::readConnection);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    server_.close();
    if (lock_) lock_->unlock();
}

bool SingleInstanceGuard::acquire(const QStringList& arguments) {
    lock_ = std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(name_ + ".lock"));
    // A lock left by a crashed instance is recognised by its dead process and taken over.
    if (lock_->tryLock(0)) {
        QLocalServer::removeServer(name_);  // a socket file left by a crash
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(name_);
        return true;
    }
    lock_.reset();

    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kConnectMilliseconds)) {
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << arguments;
        socket.write(message);
        socket.waitForBytesWritten(kConnectMilliseconds);
        socket.disconnectFromServer();
        if (socket.state() != QLocalSocket::UnconnectedState)
            socket.waitForDisconnected(kConnectMilliseconds);
    }
    return false;
}

void SingleInstanceGuard::readConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // Read without blocking the windows: the message is complete when the sender leaves.
        auto message = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this,
                [socket, message] { *message += socket->readAll(); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, message] {
            *message += socket->readAll();
            QDataStream in(*message);
            QStringList arguments;
            in >> arguments;
            socket->deleteLater();
            if (in.status() == QDataStream::Ok) emit anotherStart(arguments);
        });
        if (socket->state() != QLocalSocket::ConnectedState) {
            // Already gone before the signals were connected.
            *message += socket->readAll();
            emit socket->disconnected();
        }
    }
}

}  // namespace textaria::app
