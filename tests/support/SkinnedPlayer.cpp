#include "SkinnedPlayer.h"

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString MakeToneMp3(const QString& folder, const QString& name, int hertz, double seconds) {
    const QString wav = folder + "/" + name + ".wav";
    const QString mp3 = folder + "/" + name + ".mp3";
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", QString::number(seconds), "sine",
                    QString::number(hertz), "vol", "0.3"});
    RunTool("lame", {"--quiet", "-b", "128", wav, mp3});
    return mp3;
}

void SkinnedPlayer::TearDown() {
    if (player.state() == QProcess::Running) {
        command("#Exit");
        if (!player.waitForFinished(5000))
            player.kill();
    }
}

QProcessEnvironment SkinnedPlayer::env() const {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("SORVI_HOME", home.path());
    e.insert("SORVI_TRACE_COMMANDS", trace);
    for (const auto& [name, value] : extraEnv)
        e.insert(name, value);
    return e;
}

void SkinnedPlayer::start(const QStringList& args) {
    player.setProcessEnvironment(env());
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", args);
    ASSERT_TRUE(player.waitForStarted());
}

void SkinnedPlayer::command(const QString& text) const {
    QProcess control;
    control.setProcessEnvironment(env());
    control.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", text});
    control.waitForFinished(3000);
}

QStringList SkinnedPlayer::traced() const {
    QFile f(trace);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                       : QStringList();
}

QString SkinnedPlayer::counts() const {
    QFile f(home.path() + "/count");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QRect SkinnedPlayer::window(int width, const QString& title) const {
    QRect best;
    QStringList args = {"search", "--onlyvisible"};
    args << (title.isEmpty() ? QStringList{"--pid", QString::number(player.processId())}
                             : QStringList{"--name", title});
    const QStringList ids = RunTool("xdotool", args).split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        if (title.isEmpty() && !ignoredTitles.isEmpty() &&
            ignoredTitles.contains(RunTool("xdotool", {"getwindowname", id}).trimmed()))
            continue;
        const QString shell = RunTool("xdotool", {"getwindowgeometry", "--shell", id});
        QRect r;
        for (const QString& line : shell.split('\n')) {
            const QString value = line.section('=', 1);
            if (line.startsWith("X="))
                r.moveLeft(value.toInt());
            else if (line.startsWith("Y="))
                r.moveTop(value.toInt());
            else if (line.startsWith("WIDTH="))
                r.setWidth(value.toInt());
            else if (line.startsWith("HEIGHT="))
                r.setHeight(value.toInt());
        }
        if ((width && r.width() == width) || (!width && r.width() > best.width()) || !title.isEmpty())
            best = r;
    }
    return best;
}

QImage SkinnedPlayer::screenshot(const QString& name) const {
    const QString path = TestOutputFolder() + "/" + name + ".png";
    RunTool("import", {"-window", "root", path});
    return QImage(path);
}

void SkinnedPlayer::click(QPoint inWindow, int button) const {
    const QPoint p = main.topLeft() + inWindow;
    RunTool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    RunTool("xdotool", {"click", QString::number(button)});
}
