#include "LyricsLookup.h"

#include "FileName.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <QFileInfo>
#include <QSet>
#include <sys/stat.h>

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

bool IsLrcName(const char* name, size_t length) {
    return length >= 4 && qstrnicmp(name + length - 4, ".lrc", 4) == 0;
}

// Whether an entry is a regular file or a folder, following symbolic links;
// other kinds and broken links are neither. readdir tells the kind of most
// entries, so stat is needed only for links and file systems that do not say.
enum class Kind { Other, File, Folder };

Kind KindOf(const QByteArray& folder, const char* name, unsigned char type) {
    if (type == DT_REG)
        return Kind::File;
    if (type == DT_DIR)
        return Kind::Folder;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return Kind::Other;
    struct stat st {};
    if (::stat((folder + name).constData(), &st) != 0)
        return Kind::Other;
    return S_ISREG(st.st_mode) ? Kind::File : S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
}

// Reads one folder (path ending in "/"): calls onFile(name, length) for each
// ".lrc" file (extension in any case) in the order readdir gives them, and
// returns the sub-folders not beginning with "." in name-byte order.
template <typename OnFile> QList<QByteArray> ReadFolder(const QByteArray& folder, OnFile&& onFile) {
    QList<QByteArray> folders;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return folders;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        const size_t length = std::strlen(name);
        const bool lrc = IsLrcName(name, length);
        if (!lrc && name[0] == '.')
            continue; // ".", ".." and hidden folders
        const Kind kind = KindOf(folder, name, entry->d_type);
        if (kind == Kind::File && lrc)
            onFile(name, length);
        else if (kind == Kind::Folder && name[0] != '.')
            folders.append(QByteArray(name, static_cast<qsizetype>(length)));
    }
    ::closedir(dir);
    std::sort(folders.begin(), folders.end());
    return folders;
}

// Calls visit(folder, subFolders) for every folder below root in lookup order
// (a folder, then each of its sub-folders in turn, depth first) until it returns
// true; visit reads the folder and gives back its sub-folders in name order.
// An explicit stack keeps a deep tree off the call stack, and a folder reached
// again through a symbolic link is skipped, so link loops end.
template <typename Visit> void WalkLyricsFolders(const QString& root, Visit&& visit) {
    QSet<QByteArray> visited;
    QList<QByteArray> pending{EncodeFileName(root)};
    while (!pending.isEmpty()) {
        QByteArray folder = pending.takeLast();
        if (!folder.endsWith('/'))
            folder += '/';
        char resolved[PATH_MAX];
        if (!::realpath(folder.constData(), resolved))
            continue;
        const QByteArray canonical(resolved);
        if (visited.contains(canonical))
            continue;
        visited.insert(canonical);
        QList<QByteArray> folders;
        if (visit(folder, folders))
            return;
        for (auto it = folders.crbegin(); it != folders.crend(); ++it)
            pending.append(folder + *it);
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
    if (folder.isEmpty())
        return files;
    WalkLyricsFolders(folder, [&](const QByteArray& dir, QList<QByteArray>& subFolders) {
        QList<QByteArray> names;
        subFolders = ReadFolder(dir, [&](const char* name, size_t length) {
            names.append(QByteArray(name, static_cast<qsizetype>(length)));
        });
        std::sort(names.begin(), names.end());
        for (const QByteArray& name : names)
            files.append(DecodeFileName(dir + name));
        return false;
    });
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
    if (candidates.isEmpty() || lyricsFolder.isEmpty())
        return QString();
    // Names are compared as bytes: lowering A to Z in the bytes is the same as
    // in the text. Only a folder's first matching name in name order counts, so
    // the folder's files need no sorting.
    QSet<QByteArray> wanted;
    size_t longest = 0;
    for (const QString& candidate : candidates) {
        const QByteArray bytes = EncodeFileName(candidate);
        wanted.insert(bytes);
        longest = std::max(longest, static_cast<size_t>(bytes.size()));
    }
    QString found;
    QByteArray lower;
    WalkLyricsFolders(lyricsFolder, [&](const QByteArray& dir, QList<QByteArray>& subFolders) {
        QByteArray best;
        subFolders = ReadFolder(dir, [&](const char* name, size_t length) {
            if (length > longest)
                return;
            lower = QByteArray(name, static_cast<qsizetype>(length));
            for (char& c : lower) {
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            }
            if (wanted.contains(lower) && (best.isEmpty() || std::strcmp(name, best.constData()) < 0))
                best = QByteArray(name, static_cast<qsizetype>(length));
        });
        if (best.isEmpty())
            return false;
        found = DecodeFileName(dir + best);
        return true;
    });
    return found;
}
