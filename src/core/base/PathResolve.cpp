#include "PathResolve.h"

#include "FileName.h"

#include <algorithm>

QString ResolvePath(const QString& path) {
    if (path.isEmpty() || PathExists(path))
        return path;
    const bool absolute = path.startsWith('/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = resolved + part;
        if (!PathExists(candidate)) {
            // Raw names of the folder, so a name that is not UTF-8 is matched and kept.
            const QList<FolderEntry> entries = FolderEntries(resolved);
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
                return entry.name.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return path;
            candidate = resolved + match->name;
        }
        resolved = candidate;
        if (i + 1 < parts.size())
            resolved += '/';
    }
    if (path.endsWith('/') && !resolved.endsWith('/'))
        resolved += '/';
    return resolved;
}

bool SamePath(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString LowerExtension(const QString& path) {
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot).toLower();
}
