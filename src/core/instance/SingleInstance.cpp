#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>
#include <unistd.h>

namespace {

QString runtimeFolder() {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::tempPath();
    return dir;
}

QByteArray frame(const QString& command) {
    const QByteArray text = command.toUtf8();
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream << quint32(text.size());
    out.append(text);
    return out;
}

} // namespace

QString SingleInstance::KeyForFolder(const QString& programFolder) {
    const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("sorvi-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.left(12)));
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), lockPath_(runtimeFolder() + '/' + key + QStringLiteral(".lock")),
      socketPath_(runtimeFolder() + '/' + key + QStringLiteral(".sock")) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lock_)
        lock_->unlock();
}

bool SingleInstance::TryBecomePrimary() {
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a process that no longer runs is taken over at once.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    QLocalServer::removeServer(socketPath_);
    server_.listen(socketPath_);
    return true;
}

bool SingleInstance::SendToPrimary(const QString& command, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(frame(command));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The first instance closes the connection once it has read the request.
    socket.waitForDisconnected(timeoutMs);
    return true;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            while (buffer->size() >= 4) {
                const auto* b = reinterpret_cast<const uchar*>(buffer->constData());
                const quint32 length = (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | b[3];
                if (length > 16u * 1024 * 1024) { // not one of ours
                    socket->abort();
                    return;
                }
                if (quint32(buffer->size()) < 4 + length)
                    return;
                const QString command = QString::fromUtf8(buffer->mid(4, int(length)));
                buffer->remove(0, int(4 + length));
                emit commandReceived(command);
                socket->disconnectFromServer();
            }
        });
    }
}

QString HandoverCommand(const QStringList& arguments, const QString& workingFolder) {
    if (arguments.isEmpty())
        return QStringLiteral("#Normal");
    QString list;
    for (const QString& argument : arguments) {
        QString item = argument;
        const bool isUrl = QUrl(argument).scheme().size() > 1;
        if (!isUrl && !argument.isEmpty() && QFileInfo(argument).isRelative())
            item = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
        list += item + QStringLiteral("\r\n");
    }
    return QStringLiteral("#OpenFile,") + list;
}
