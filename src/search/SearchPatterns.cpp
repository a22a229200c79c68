#include "SearchPatterns.h"

#include "FileName.h"

#include <QFile>
#include <QLocale>
#include <QSet>

#include <cmath>

QList<SearchPattern> NormalisePatterns(const QString& filterText) {
    QStringList pieces = filterText.split(QLatin1Char(';'));
    if (!pieces.isEmpty() && pieces.last().trimmed().isEmpty())
        pieces.removeLast();
    if (pieces.isEmpty())
        return {{QStringLiteral("*.*"), false}};
    QList<SearchPattern> patterns;
    for (QString piece : pieces) {
        piece = piece.trimmed();
        if (piece.size() > 2 && piece.startsWith(QLatin1Char('"')) && piece.endsWith(QLatin1Char('"'))) {
            patterns.append({piece.mid(1, piece.size() - 2), true});
        } else if (!piece.contains(QLatin1Char('*')) && !piece.contains(QLatin1Char('?'))) {
            QString text = QLatin1Char('*') + piece;
            if (!piece.contains(QLatin1Char('.')))
                text += QLatin1Char('*');
            patterns.append({text, false});
        } else {
            patterns.append({piece, false});
        }
    }
    return patterns;
}

QStringList SplitFolders(const QString& dirText) {
    QStringList folders;
    for (QString piece : dirText.split(QLatin1Char(';'))) {
        piece = piece.trimmed();
        if (piece.isEmpty())
            continue;
        if (!piece.endsWith(QLatin1Char('/')))
            piece += QLatin1Char('/');
        folders << piece;
    }
    return folders;
}

namespace {

// Iterative wildcard match with backtracking to the last "*".
bool wildcardMatch(const QString& name, const QString& pattern) {
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

bool MatchesPattern(const QString& name, const SearchPattern& pattern) {
    if (pattern.exact)
        return name.compare(pattern.text, Qt::CaseInsensitive) == 0;
    if (wildcardMatch(name, pattern.text))
        return true;
    // "name.*" also names a file without an extension.
    return pattern.text.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.')) &&
           wildcardMatch(name, pattern.text.chopped(2));
}

QString SizeInKB(qint64 bytes) {
    const qint64 kb = qint64(std::llround(double(bytes) / 1000.0));
    return QLocale().toString(kb) + QStringLiteral("KB");
}

bool IsKernelFileSystem(const QByteArray& type) {
    // Automount points and desktop FUSE mounts are left out: asking about them
    // may wait for a server.
    static const QSet<QByteArray> kernel = {"proc",      "sysfs",    "devtmpfs",   "devpts",     "cgroup",
                                            "cgroup2",   "securityfs", "debugfs",  "tracefs",    "pstore",
                                            "bpf",       "mqueue",   "hugetlbfs",  "configfs",   "fusectl",
                                            "binfmt_misc", "efivarfs", "selinuxfs", "rpc_pipefs", "nsfs"};
    return kernel.contains(type);
}

QStringList LocalFileSystemRoots(const QByteArray& mountsText) {
    static const QSet<QByteArray> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs",
                                             "9p",  "afs",  "ceph", "glusterfs", "autofs",
                                             // memory file systems: nothing kept there to play
                                             "tmpfs", "ramfs"};
    QStringList roots;
    for (const QByteArray& line : mountsText.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray& type = fields[2];
        if (IsKernelFileSystem(type) || network.contains(type))
            continue;
        // Octal escapes of the mount table ("\040" for a space).
        QByteArray point;
        const QByteArray& raw = fields[1];
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 3 < raw.size()) {
                point += char(raw.mid(i + 1, 3).toInt(nullptr, 8));
                i += 3;
            } else {
                point += raw[i];
            }
        }
        QString root = DecodeFileName(point);
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        if (!roots.contains(root))
            roots << root;
    }
    roots.sort();
    return roots;
}

QStringList LocalFileSystemRoots() {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return {QStringLiteral("/")};
    const QStringList roots = LocalFileSystemRoots(mounts.readAll());
    return roots.isEmpty() ? QStringList{QStringLiteral("/")} : roots;
}
