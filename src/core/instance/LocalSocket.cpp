#include "LocalSocket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket address of a file; false when the name does not fit.
bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray native = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || size_t(native.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    return true;
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

int newSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

// Waits for `events` on `fd` until the deadline; false on time-out or error.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (n > 0)
            return (p.revents & events) != 0;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

LocalServer::LocalServer(QObject* parent) : QObject(parent) {}

LocalServer::~LocalServer() { Close(); }

bool LocalServer::Listen(const QString& path) {
    Close();
    const QString temporary = path + QStringLiteral(".new");
    sockaddr_un address;
    if (!socketAddress(temporary, address)) {
        error_ = QStringLiteral("the socket name \"%1\" is too long").arg(path);
        return false;
    }
    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    const QByteArray native = QFile::encodeName(path);
    const int fd = newSocket();
    if (fd < 0) {
        error_ = systemError();
        return false;
    }
    ::unlink(nativeTemporary.constData()); // left by a process that died here
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(nativeTemporary.constData(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0 ||
        ::rename(nativeTemporary.constData(), native.constData()) != 0) {
        error_ = systemError();
        ::unlink(nativeTemporary.constData());
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalServer::acceptAll);
    return true;
}

void LocalServer::Close() {
    if (fd_ < 0)
        return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(fd_);
    fd_ = -1;
    ::unlink(QFile::encodeName(path_).constData());
    path_.clear();
}

void LocalServer::acceptAll() {
    for (;;) {
        const int peer = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: all taken; anything else: try at the next report
        }
        emit newConnection(new LocalConnection(peer, this));
    }
}

LocalConnection::LocalConnection(int fd, QObject* parent)
    : QObject(parent), fd_(fd), notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(notifier_, &QSocketNotifier::activated, this, &LocalConnection::readAll);
}

LocalConnection::~LocalConnection() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LocalConnection::Write(const QByteArray& bytes) {
    if (fd_ < 0)
        return false;
    ssize_t n;
    do
        n = ::send(fd_, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
    while (n < 0 && errno == EINTR);
    return n == bytes.size();
}

void LocalConnection::Close() {
    if (fd_ < 0)
        return;
    notifier_->setEnabled(false);
    ::close(fd_);
    fd_ = -1;
    deleteLater();
}

void LocalConnection::readAll() {
    QByteArray in;
    char buffer[4096];
    bool closed = false;
    while (fd_ >= 0) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            in.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        closed = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    // The receiver may close this connection; it is deleted only later.
    if (!in.isEmpty())
        emit received(in);
    if (closed)
        Close();
}

std::optional<char> LocalRequest(const QString& path, const QByteArray& request, int timeoutMs) {
    sockaddr_un address;
    if (!socketAddress(path, address))
        return std::nullopt;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        Fd socket{newSocket()};
        if (socket.fd < 0)
            return std::nullopt;
        if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            qsizetype sent = 0;
            while (sent < request.size()) {
                const ssize_t n = ::send(socket.fd, request.constData() + sent, size_t(request.size() - sent),
                                         MSG_NOSIGNAL);
                if (n > 0)
                    sent += n;
                else if (n < 0 && errno != EINTR && (errno != EAGAIN || !waitFor(socket.fd, POLLOUT, deadline)))
                    return std::nullopt;
            }
            // Delivered only when the other side says it has taken it.
            for (;;) {
                char answer = 0;
                const ssize_t n = ::recv(socket.fd, &answer, 1, 0);
                if (n == 1)
                    return answer;
                if (n == 0 || (n < 0 && errno != EINTR && (errno != EAGAIN || !waitFor(socket.fd, POLLIN, deadline))))
                    return std::nullopt;
            }
        }
        // No socket file yet, nothing listening on it, or its queue full:
        // started at the same moment, the first player may hold the lock but
        // not listen yet. Try again until the time is up.
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(20);
    }
}
