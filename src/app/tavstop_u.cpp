#include "app/tavstop_u.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>
#include <memory>
#include <optional>

namespace textaria::app {

namespace {

constexpr int kConnectMilliseconds = 1000;
// A message is this header, then the arguments as UTF-8, each ended by a zero byte; it may not
// grow beyond kMaxMessageBytes. Anything else on the socket is not from another start.
constexpr char kHeader[] = "textaria-start";
constexpr qsizetype kMaxMessageBytes = 1 << 20;

QByteArray encodeArguments(const QStringList& arguments) {
    QByteArray message(kHeader, sizeof kHeader);  // with its zero byte
    for (const QString& argument : arguments) {
        message += argument.toUtf8();
        message += '\0';
    }
    return message;
}

std::optional<QStringList> decodeArguments(const QByteArray& message) {
    const QByteArray header(kHeader, sizeof kHeader);
    if (!message.startsWith(header) || !message.endsWith('\0')) return std::nullopt;
    QStringList arguments;
    qsizetype start = header.size();
    for (qsizetype end = message.indexOf('\0', start); end >= 0;
         end = message.indexOf('\0', start)) {
        arguments << QString::fromUtf8(message.constData() + start, end - start);
        start = end + 1;
    }
    return arguments;
}

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
        socket.write(encodeArguments(arguments));
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
        auto done = std::make_shared<bool>(false);
        auto take = [socket, message] {
            *message += socket->readAll();
            if (message->size() > kMaxMessageBytes) socket->abort();  // not one of ours
        };
        auto finish = [this, socket, message, done, take] {
            if (*done) return;
            *done = true;
            take();
            socket->deleteLater();
            if (message->size() > kMaxMessageBytes) return;
            if (const auto arguments = decodeArguments(*message)) emit anotherStart(*arguments);
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        connect(socket, &QLocalSocket::disconnected, this, finish);
        // Already gone before the signals were connected.
        if (socket->state() != QLocalSocket::ConnectedState) finish();
    }
}

}  // namespace textaria::app
