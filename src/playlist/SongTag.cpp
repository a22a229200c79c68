#include "SongTag.h"

#include "PathResolve.h"

QString DisplayTitle(const QString& fileName, const TSongTag& tag) {
    const QString title = TagText(tag.Title);
    if (!title.isEmpty())
        return title;
    const QString resolved = ResolvePath(fileName);
    return FileNameForDisplay(resolved.mid(resolved.lastIndexOf('/') + 1));
}

QString DisplayTitle(const TPlayItem& item) {
    return DisplayTitle(item.FileName, item.Tag);
}

QString ListRowText(int number, const TPlayItem& item) {
    const QString title = item.TagRead ? DisplayTitle(item) : FileNameForDisplay(item.FileName);
    return QString::number(number) + QStringLiteral(". ") + title;
}
