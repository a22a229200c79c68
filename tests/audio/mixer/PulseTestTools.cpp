#include "PulseTestTools.h"

#include <csignal>
#include <pulse/simple.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

QString Pactl(const QStringList& arguments) {
    QProcess process;
    process.start("pactl", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    // Success with no output is an empty, not a null, string.
    return QString::fromUtf8(process.readAllStandardOutput()).append(QLatin1String(""));
}

NullSinkState ReadNullSink() {
    NullSinkState state;
    const QString volume = Pactl({"get-sink-volume", "sorvi_null"});
    const QString mute = Pactl({"get-sink-mute", "sorvi_null"});
    const auto left = QRegularExpression("front-left:\\s*(\\d+)").match(volume);
    const auto right = QRegularExpression("front-right:\\s*(\\d+)").match(volume);
    if (!left.hasMatch() || !right.hasMatch() || !mute.startsWith("Mute:"))
        return state;
    state.left = left.captured(1).toUInt();
    state.right = right.captured(1).toUInt();
    state.mute = mute.contains("yes");
    state.ok = true;
    return state;
}

QString PulseSocketPath() {
    QString server = qEnvironmentVariable("PULSE_SERVER");
    if (server.startsWith("unix:"))
        server.remove(0, 5);
    return server;
}

qint64 FindDaemonPid(const QString& socketPath) {
    const QByteArray wanted = ("socket=" + socketPath).toUtf8();
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile cmdline("/proc/" + entry + "/cmdline");
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> args = cmdline.readAll().split('\0');
        if (args.isEmpty() || !args.first().endsWith("pulseaudio"))
            continue;
        for (const QByteArray& arg : args) {
            // "module-native-protocol-unix socket=/path auth-anonymous=1"
            if (arg.contains(wanted + ' ') || arg.endsWith(wanted))
                return pid;
        }
    }
    return 0;
}

void StopDaemon(qint64 pid) {
    if (pid <= 0)
        return;
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    for (int i = 0; i < 100 && QFile::exists("/proc/" + QString::number(pid)); ++i) {
        // A zombie left by the wrapper script counts as gone.
        QFile status("/proc/" + QString::number(pid) + "/status");
        if (status.open(QIODevice::ReadOnly) && status.readAll().contains("State:\tZ"))
            break;
        QThread::msleep(50);
    }
}

qint64 StartDaemonOnSameSocket() {
    QString dir = PulseSocketPath();
    if (!dir.endsWith("/runtime/native"))
        return 0;
    dir.chop(QString("/runtime/native").size());
    QProcess shell;
    shell.start("bash", {"-c", "source \"$1\" && pids=() && start_pulse \"$2\" && echo \"$SORVI_PULSE_PID\"",
                         "-", QString(SORVI_TEST_SUPPORT) + "/pulse-daemon.sh", dir});
    if (!shell.waitForFinished(20000) || shell.exitCode() != 0)
        return 0;
    return QString::fromUtf8(shell.readAllStandardOutput()).trimmed().toLongLong();
}

OwnStreamState ReadOwnStream() {
    OwnStreamState state;
    const QString list = Pactl({"list", "sink-inputs"});
    const QString pid = QString::number(::getpid());
    for (const QString& block : list.split(QRegularExpression("(?=Sink Input #)"), Qt::SkipEmptyParts)) {
        if (!block.contains("application.process.id = \"" + pid + "\""))
            continue;
        const auto index = QRegularExpression("Sink Input #(\\d+)").match(block);
        const auto left = QRegularExpression("front-left:\\s*(\\d+)").match(block);
        const auto right = QRegularExpression("front-right:\\s*(\\d+)").match(block);
        const auto mute = QRegularExpression("Mute:\\s*(\\w+)").match(block);
        if (!index.hasMatch() || !left.hasMatch() || !right.hasMatch() || !mute.hasMatch())
            continue;
        state.index = index.captured(1);
        state.left = left.captured(1).toUInt();
        state.right = right.captured(1).toUInt();
        state.mute = mute.captured(1) == "yes";
        state.ok = true;
        break;
    }
    return state;
}

PlayerStream::PlayerStream() {
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = 44100;
    spec.channels = 2;
    int error = 0;
    stream_ = pa_simple_new(nullptr, "Sorvi Audio Player", PA_STREAM_PLAYBACK, nullptr, "Music", &spec, nullptr,
                            nullptr, &error);
}

PlayerStream::~PlayerStream() {
    if (stream_)
        pa_simple_free(stream_);
}
