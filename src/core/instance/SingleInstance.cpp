#include "SingleInstance.h"

#include "FileName.h"
#include "UrlText.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The byte the first instance answers once it has taken a request.
constexpr char kTaken = '\x06';

// A folder only this user can reach: a real folder (no symbolic link), owned
// by the user, closed to group and others.
bool isPrivateFolder(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// Where the lock and the socket live: XDG_RUNTIME_DIR when it is set and
// private; otherwise a folder of the user's own cache, created for the user
// alone and checked before use. Names in /tmp would be predictable, so another
// user could take the lock first or listen on the socket. Empty (with
// `problem` set) when no such folder can be had.
QString runtimeFolder(QString& problem) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime;
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QFileInfo(cache).isRelative())
        cache = QDir::homePath() + QStringLiteral("/.cache");
    const QString folder = cache + QStringLiteral("/sorvi");
    const QByteArray native = QFile::encodeName(folder);
    QDir().mkpath(cache);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        problem = QStringLiteral("cannot create \"%1\": %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 077) != 0)
        ::chmod(native.constData(), 0700); // ours, but opened to others: closed again
    if (!isPrivateFolder(folder)) {
        problem = QStringLiteral("\"%1\" is not a folder private to this user; not using it").arg(folder);
        return {};
    }
    return folder;
}

// Commands carry file names, which keep their bytes even when they are not
// UTF-8: the file-name codec is UTF-8 for every other text.
QByteArray frame(const QString& command) {
    const QByteArray text = EncodeFileName(command);
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

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent) {
    const QString folder = runtimeFolder(problem_);
    if (!folder.isEmpty()) {
        lockPath_ = folder + '/' + key + QStringLiteral(".lock");
        socketPath_ = folder + '/' + key + QStringLiteral(".sock");
    }
    connect(&server_, &LocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() {
    server_.Close();
    if (lock_)
        lock_->unlock();
}

bool SingleInstance::TryBecomePrimary() {
    if (!problem_.isEmpty())
        return false;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a process that no longer runs is taken over at once.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    // The lock names this process and host: for the user's eyes only.
    ::chmod(QFile::encodeName(lockPath_).constData(), 0600);
    // A socket file left by a player that died is replaced.
    if (!server_.Listen(socketPath_))
        qWarning("sorvi: cannot listen on \"%s\": %s", qUtf8Printable(socketPath_),
                 qUtf8Printable(server_.errorString()));
    return true;
}

bool SingleInstance::SendToPrimary(const QString& command, int timeoutMs) const {
    if (!problem_.isEmpty())
        return false;
    return LocalRequest(socketPath_, frame(command), timeoutMs) == kTaken;
}

void SingleInstance::onNewConnection(LocalConnection* connection) {
    auto buffer = std::make_shared<QByteArray>();
    connect(connection, &LocalConnection::received, this, [this, connection, buffer](const QByteArray& bytes) {
        buffer->append(bytes);
        if (buffer->size() < 4)
            return;
        const auto* b = reinterpret_cast<const uchar*>(buffer->constData());
        const quint32 length = (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | b[3];
        if (length > 16u * 1024 * 1024) { // not one of ours
            connection->Close();
            return;
        }
        if (quint32(buffer->size()) < 4 + length)
            return;
        const QString command = DecodeFileName(buffer->mid(4, int(length)));
        // One request a connection. A sender that gave up waiting has told its
        // user the request was not delivered: then it is not run either.
        const bool taken = connection->Write(QByteArray(1, kTaken));
        connection->Close();
        if (taken)
            emit commandReceived(command);
    });
}

QString HandoverCommand(const QStringList& arguments, const QString& workingFolder) {
    if (arguments.isEmpty())
        return QStringLiteral("#Normal");
    QString list;
    for (const QString& argument : arguments) {
        QString item = argument;
        // Plug-ins are not loaded here: a name in URL form that is no file
        // may be a stream of a plug-in's scheme and is handed over as it is.
        const bool isUrl = IsUrl(argument) || (HasUrlForm(argument) && !QFileInfo::exists(argument));
        if (!isUrl && !argument.isEmpty() && QFileInfo(argument).isRelative())
            item = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
        list += item + QChar(0);
    }
    return QStringLiteral("#OpenFile,") + list;
}
