#include "ProgramFolder.h"

#include "FileName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace {

QString withSlash(QString path) {
    path = QDir::cleanPath(path);
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

QString executableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

QString& fixedFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString ChooseProgramFolder(const QString& sorviHome, const QString& exeFolder, const QString& userHome) {
    if (!sorviHome.isEmpty())
        return withSlash(QDir(sorviHome).absolutePath());
    if (!exeFolder.isEmpty() && ::access(EncodeFileName(exeFolder).constData(), W_OK) == 0)
        return withSlash(exeFolder);
    return withSlash(userHome + QStringLiteral("/.local/share/sorvi"));
}

QString ProgramFolder() {
    QString& folder = fixedFolder();
    if (folder.isEmpty())
        folder = ChooseProgramFolder(qEnvironmentVariable("SORVI_HOME"), executableFolder(), QDir::homePath());
    return folder;
}

void SetProgramFolder(const QString& folder) { fixedFolder() = withSlash(folder); }

QString ProgramFile(const QString& name) { return ProgramFolder() + name; }
QString LyricsFolder() { return ProgramFolder() + QStringLiteral("Lyrics/"); }
QString PlusinFolder() { return ProgramFolder() + QStringLiteral("Plusin/"); }
QString SkinsFolder() { return ProgramFolder() + QStringLiteral("Skins/"); }
