#include "ProgramFolder.h"

#include "FileName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
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
    // An installed program (".../bin/sorvi" beside ".../share/sorvi/") keeps
    // the user's files in the user's folder even when the user may write to
    // the program's folder (root, or a prefix in the home folder).
    const QDir exe(exeFolder);
    const bool installed = exe.dirName() == QLatin1String("bin") &&
                           QFileInfo(exe.absoluteFilePath(QStringLiteral("../share/sorvi"))).isDir();
    if (!exeFolder.isEmpty() && !installed && ::access(EncodeFileName(exeFolder).constData(), W_OK) == 0)
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

bool MakeProgramFolder(QString* error) {
    const QString folder = QDir::cleanPath(ProgramFolder());
    if (IsFolder(folder))
        return true;
    // Each missing folder on the way is made for the user alone (0700, as
    // ~/.local/share itself would be).
    QString path;
    for (const QString& part : folder.split('/', Qt::SkipEmptyParts)) {
        path += '/' + part;
        if (::mkdir(EncodeFileName(path).constData(), 0700) != 0 && errno != EEXIST) {
            if (error)
                *error = QStringLiteral("Cannot create the folder \"%1\": %2")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    if (IsFolder(folder))
        return true;
    if (error)
        *error = QStringLiteral("Cannot create the folder \"%1\": a file of that name is in the way").arg(folder);
    return false;
}

QString ProgramFile(const QString& name) { return ProgramFolder() + name; }
QString LyricsFolder() { return ProgramFolder() + QStringLiteral("Lyrics/"); }
QString PlusinFolder() { return ProgramFolder() + QStringLiteral("Plusin/"); }
QString SkinsFolder() { return ProgramFolder() + QStringLiteral("Skins/"); }
