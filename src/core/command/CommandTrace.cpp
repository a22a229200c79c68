#include "CommandTrace.h"

#include <QDateTime>
#include <QFile>

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
