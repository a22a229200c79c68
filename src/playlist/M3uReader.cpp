#include "M3uReader.h"

#include "FileName.h"
#include "PathResolve.h"
#include "RegularFile.h"
#include "TextCodec.h"
#include "UrlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

bool IsDrivePath(const QString& entry) {
    return entry.size() >= 2 && entry[0].isLetter() && entry[1] == ':';
}

QString EntryPath(QString entry, const QString& listFolder) {
    // A list names streams of any scheme a plug-in might open; "://" marks them.
    if (IsUrl(entry) || HasUrlForm(entry)) {
        const QUrl url(entry);
        return url.isLocalFile() ? LocalFileOfUrl(url) : entry;
    }
    entry.replace('\\', '/');
    if (entry.startsWith('/') || IsDrivePath(entry) || listFolder.isEmpty())
        return entry;
    return QDir::cleanPath(QDir(listFolder).filePath(entry));
}

} // namespace

QStringList ParseM3U(const QByteArray& bytes, bool utf8, const QString& listFolder) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = utf8 ? QString::fromUtf8(body) : DecodeText(body);
    QStringList entries;
    const QStringList lines = text.split('\n');
    // The text's lines match the bytes' lines: no encoding used here has 0x0A
    // inside a character.
    const QList<QByteArray> rawLines = body.split('\n');
    const bool decodedAsText = !utf8 && !IsValidUtf8(body);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        // An entry naming no file at all (a bare "file://") is skipped.
        QString path = EntryPath(line, listFolder);
        // A list in mixed encodings: a line may be a file name as the disk holds it.
        if (decodedAsText && rawLines.size() == lines.size()) {
            const QString asName = EntryPath(DecodeFileName(rawLines[i]).trimmed(), listFolder);
            if (PathExists(asName))
                path = asName;
        }
        if (!path.trimmed().isEmpty())
            entries << path;
    }
    return entries;
}

QStringList ReadM3UFile(const QString& fileName) {
    // Regular files only and bounded: a FIFO or "/dev/zero" named like a list
    // must not hang the window.
    constexpr qint64 kMaxListBytes = 64 * 1024 * 1024;
    const std::optional<QByteArray> bytes = ReadRegularFile(fileName, kMaxListBytes);
    if (!bytes)
        return {};
    const bool utf8 = LowerExtension(fileName) == QLatin1String(".m3u8");
    return ParseM3U(*bytes, utf8, QFileInfo(fileName).absolutePath());
}
