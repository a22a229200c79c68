#include "TempHome.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

TempHome::TempHome() : previous_(ProgramFolder()) { SetProgramFolder(dir_.path()); }

TempHome::~TempHome() { SetProgramFolder(previous_); }

QString TempHome::write(const QString& name, const QByteArray& bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray TempHome::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WaitFor(const std::function<bool()>& pred, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

QString TestOutputFolder() {
    const QString dir = QStringLiteral(SORVI_TEST_OUTPUT);
    QDir().mkpath(dir);
    return dir + '/';
}
