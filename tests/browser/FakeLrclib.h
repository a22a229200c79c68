#pragma once

#include <QProcess>
#include <QString>

// The stand-in LRCLIB of fake_lrclib.py, on a free loopback port for the
// lifetime of the object.
class FakeLrclib {
public:
    FakeLrclib();
    ~FakeLrclib();
    bool running() const { return port_ > 0; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    // Fetches a path of the server (blocking, for checks such as /last-agent).
    QByteArray fetch(const QString& path) const;

private:
    QProcess process_;
    int port_ = 0;
};
