#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class QSocketNotifier;

// Local stream sockets (AF_UNIX, a file in the file system) straight on the
// system calls: the player needs only this much of a network library to hand
// a command line from a second start to the running player.

class LocalConnection;

// Listens on a socket file. Connections are accepted without blocking, when
// the event loop reports the listening socket readable.
class LocalServer : public QObject {
    Q_OBJECT
public:
    explicit LocalServer(QObject* parent = nullptr);
    ~LocalServer() override;

    // Binds and listens on `path`, readable and writable by the user alone.
    // The socket is made under a neighbouring name and moved onto `path`, so
    // that a file left there by a process that died is replaced in one step
    // and no one ever reaches a socket with other rights.
    bool Listen(const QString& path);
    // Stops listening and removes the socket file.
    void Close();
    QString errorString() const { return error_; }

signals:
    // A new peer; the connection belongs to the server until it is closed.
    void newConnection(LocalConnection* connection);

private:
    void acceptAll();

    int fd_ = -1;
    QString path_;
    QString error_;
    QSocketNotifier* notifier_ = nullptr;
};

// One accepted peer. Deletes itself (later) once closed by either side.
class LocalConnection : public QObject {
    Q_OBJECT
public:
    LocalConnection(int fd, QObject* parent);
    ~LocalConnection() override;

    // Sends without waiting; false when the peer is gone or the bytes do not
    // fit the socket's buffer at once (the answers here are a byte long).
    bool Write(const QByteArray& bytes);
    void Close();

signals:
    // Bytes that arrived since the last report.
    void received(const QByteArray& bytes);

private:
    void readAll();

    int fd_;
    QSocketNotifier* notifier_;
};

// Connects to the socket at `path`, sends `request` and waits for a one-byte
// answer, all within `timeoutMs`. While nothing listens there yet (a player
// that took the lock but is still starting) it tries again until the time is
// up. The answer byte, or nothing when there was none in time.
std::optional<char> LocalRequest(const QString& path, const QByteArray& request, int timeoutMs);
