#pragma once

#include "LocalSocket.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// One running player per program folder. The first process takes a lock file
// and listens on a local socket private to the user; a later process finds the
// lock taken, hands its request to the first one over the socket and ends.
// Lock and socket live in XDG_RUNTIME_DIR, or without it in a folder of the
// user's cache made for the user alone (never in /tmp, where another user
// could take the names first).
//
// On the socket each request is one command string (UTF-8, preceded by its
// length as a 32-bit big-endian number) that the first process posts to its
// command queue: "#OpenFile," + the arguments each followed by NUL, "#Normal",
// or any command given with --command. The first process answers one byte
// (ACK, 0x06) once it has taken the request.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the instance; players with different program folders run
    // side by side.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock. True: this is the first instance, now listening.
    bool TryBecomePrimary();

    // Sends one command to the first instance, trying again while it does not
    // listen yet. Returns false when it has not taken the command within the
    // timeout.
    bool SendToPrimary(const QString& command, int timeoutMs = 2000) const;

    QString socketPath() const { return socketPath_; }
    // Why no lock and no socket can be used (an unsafe folder), or empty.
    QString problem() const { return problem_; }

    // Key for a program folder: stable, short, safe as a file name.
    static QString KeyForFolder(const QString& programFolder);

signals:
    void commandReceived(const QString& command);

private:
    void onNewConnection(LocalConnection* connection);

    QString problem_;
    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    LocalServer server_;
};

// The command a second start hands over: "#OpenFile," + each argument followed
// by NUL (the one byte no file name holds), or "#Normal" without arguments.
// Relative file names are made absolute against the second process's working
// folder, which the first process does not share; URLs stay as they are.
QString HandoverCommand(const QStringList& arguments, const QString& workingFolder);
