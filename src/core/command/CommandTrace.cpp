#include "CommandTrace.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

void TraceCommand(const QString& command) {
    static const QString path = qEnvironmentVariable("SORVI_TRACE_COMMANDS");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return;
    QString line = command;
    line.replace('\r', QLatin1String("\\r")).replace('\n', QLatin1String("\\n")).replace(QChar(0), QLatin1String("\\0"));
    static const bool withTimes = qEnvironmentVariableIsSet("SORVI_TRACE_TIMES");
    if (withTimes)
        line.prepend(QString::number(QDateTime::currentMSecsSinceEpoch()) + ' ');
    file.write(line.toUtf8() + '\n');
}

void StartStallTrace(QObject* owner) {
    if (qEnvironmentVariable("SORVI_TRACE_COMMANDS").isEmpty() || !qEnvironmentVariableIsSet("SORVI_TRACE_STALLS"))
        return;
    auto* timer = new QTimer(owner);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(10);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QObject::destroyed, [clock] { delete clock; });
    QObject::connect(timer, &QTimer::timeout, [clock] {
        const qint64 gap = clock->restart();
        if (gap > 50)
            TraceCommand(QStringLiteral("%stall ") + QString::number(gap));
    });
    timer->start();
}
