#include "PathResolve.h"

#include <QDir>
#include <QFileInfo>

QString ResolvePath(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const bool absolute = path.startsWith('/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = resolved + part;
        if (!QFileInfo::exists(candidate)) {
            QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                          QDir::NoDotAndDotDot,
                                                      QDir::Unsorted);
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
                return entry.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return path;
            candidate = resolved + *match;
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
