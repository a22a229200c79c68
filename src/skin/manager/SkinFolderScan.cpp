#include "SkinFolderScan.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

struct Walk {
    QStringList files;
    QSet<QString> seen; // canonical paths of the folders walked
    int folders = 0;

    bool full() const { return files.size() >= kMaxSkinFiles || folders >= kMaxSkinFolders; }

    void folder(const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical) || full())
            return;
        seen.insert(canonical);
        ++folders;
        QDir dir(path);
        const QFileInfoList skins = dir.entryInfoList({QStringLiteral("*.eks")}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : skins) {
            if (full())
                return;
            files.append(file.absoluteFilePath());
        }
        const QFileInfoList subfolders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& sub : subfolders) {
            if (!sub.fileName().startsWith(QLatin1Char('.')))
                folder(sub.absoluteFilePath());
        }
    }
};

} // namespace

QStringList ListSkinFiles(const QString& programFolder) {
    Walk walk;
    const QString base = QDir(programFolder).absolutePath() + QLatin1Char('/');
    const QFileInfo defaultSkin(base + QStringLiteral("default.eks"));
    if (defaultSkin.isFile())
        walk.files.append(defaultSkin.absoluteFilePath());
    const QString skins = base + QStringLiteral("Skins");
    if (QFileInfo(skins).isDir())
        walk.folder(skins);
    return walk.files;
}
