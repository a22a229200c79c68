#include "SkinEditorLookup.h"

#include "OptionsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString RunHelperProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(3000))
        return {};
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString DesktopEntryProgram(const QString& desktopFileText) {
    bool inEntry = false;
    for (const QString& raw : desktopFileText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry || !line.startsWith(QLatin1String("Exec=")))
            continue;
        const QString exec = line.mid(5).trimmed();
        if (exec.startsWith(QLatin1Char('"'))) {
            const qsizetype end = exec.indexOf(QLatin1Char('"'), 1);
            return end < 0 ? QString() : exec.mid(1, end - 1);
        }
        return exec.section(QLatin1Char(' '), 0, 0);
    }
    return {};
}

namespace {

// The full path of a program name or path; empty when it is not there.
QString Executable(const QString& program) {
    if (program.isEmpty())
        return {};
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

QString DesktopFileText(const QString& desktopId) {
    const QString path =
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId, QStandardPaths::LocateFile);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(64 * 1024));
}

} // namespace

QString FindSkinEditor(const OptionsStore& store, const QString& skinFile, const QString& playerExecutable,
                       const RunHelper& run) {
    const QString configured =
        store.ReadPath(QStringLiteral("SKIN"), QStringLiteral("EDITOR"), QString()).trimmed();
    if (!configured.isEmpty())
        return Executable(configured);

    const QString type =
        run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), skinFile});
    if (type.isEmpty() || type.contains(QLatin1Char('\n')))
        return {};
    const QString desktopId =
        run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')) || desktopId.contains(QLatin1Char('\n')))
        return {};
    const QString program = Executable(DesktopEntryProgram(DesktopFileText(desktopId)));
    if (program.isEmpty())
        return {};
    // The player itself opens skins by applying them; it is no editor.
    const QString self = QFileInfo(playerExecutable).canonicalFilePath();
    if (!self.isEmpty() && QFileInfo(program).canonicalFilePath() == self)
        return {};
    return program;
}
