#include "LyricsLookup.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QString TrimTagText(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

bool HasLrcExtension(const QString& name) {
    return name.endsWith(QLatin1String(".lrc"), Qt::CaseInsensitive);
}

struct Entry {
    QByteArray key; // the name as bytes on disk, for ordering
    QString name;
};

// Names of the entries of one folder in name-byte order.
QList<Entry> SortedEntries(const QDir& dir, QDir::Filters filters) {
    QList<Entry> entries;
    const QStringList names = dir.entryList(filters, QDir::NoSort);
    entries.reserve(names.size());
    for (const QString& name : names)
        entries.append({QFile::encodeName(name), name});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return entries;
}

void ListFolder(const QString& folder, QSet<QString>& visited, QStringList& out) {
    // Sub-folders are walked with an explicit stack (depth first, in name
    // order), so a deep tree cannot exhaust the call stack.
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        QString path = pending.takeLast();
        if (!path.endsWith(u'/'))
            path += u'/';
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || visited.contains(canonical))
            continue;
        visited.insert(canonical);
        const QDir dir(path);
        for (const Entry& e : SortedEntries(dir, QDir::Files | QDir::Hidden)) {
            if (HasLrcExtension(e.name))
                out.append(path + e.name);
        }
        const QList<Entry> subfolders = SortedEntries(dir, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        for (auto it = subfolders.crbegin(); it != subfolders.crend(); ++it) {
            if (!it->name.startsWith(u'.'))
                pending.append(path + it->name);
        }
    }
}

QString ReplaceExtension(const QString& fileName, const QString& extension) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return (dot < 0 ? fileName : fileName.left(dot)) + extension;
}

} // namespace

QString AsciiLower(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return out;
}

QStringList ListLyricsFiles(const QString& folder) {
    QStringList files;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return files;
    QSet<QString> visited;
    ListFolder(folder, visited, files);
    return files;
}

QStringList LyricsCandidates(const TLyricsSong& song) {
    QStringList names;
    const QString songName = QFileInfo(song.FileName).fileName();
    if (!songName.isEmpty())
        names.append(AsciiLower(ReplaceExtension(songName, QStringLiteral(".lrc"))));
    const QString stored = TrimTagText(song.LyricsName);
    if (!stored.isEmpty())
        names.append(AsciiLower(stored));
    const QString title = TrimTagText(song.Title);
    if (!title.isEmpty()) {
        const QString artist = TrimTagText(song.Artist);
        const QString album = TrimTagText(song.Album);
        const QString ext = QStringLiteral(".lrc");
        names.append(AsciiLower(artist + u'-' + album + u'-' + title + ext));
        names.append(AsciiLower(album + u'-' + title + ext));
        names.append(AsciiLower(artist + u'-' + title + ext));
        names.append(AsciiLower(title + ext));
    }
    return names;
}

QString FindLyricsFile(const TLyricsSong& song, const QString& lyricsFolder) {
    const QStringList candidates = LyricsCandidates(song);
    if (candidates.isEmpty())
        return QString();
    const QSet<QString> wanted(candidates.cbegin(), candidates.cend());
    for (const QString& path : ListLyricsFiles(lyricsFolder)) {
        const QString name = path.mid(path.lastIndexOf(u'/') + 1);
        if (wanted.contains(AsciiLower(name)))
            return path;
    }
    return QString();
}
