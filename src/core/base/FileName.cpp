#include "FileName.h"

#include "TextCodec.h"

#include <QDir>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence starting at bytes[i], or 0.
// Overlong forms, encoded surrogates and values above U+10FFFF are not
// well-formed, so a decoded lone surrogate always stands for an escaped byte.
int SequenceLength(const unsigned char* s, qsizetype left) {
    const unsigned char b = s[0];
    if (b < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || s[1] < low || s[1] > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (s[k] < 0x80 || s[k] > 0xBF)
            return 0;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = SequenceLength(s + i, size - i);
        if (length == 0) {
            name.append(QChar(char16_t(kEscapeBase + s[i])));
            ++i;
        } else {
            name.append(QString::fromUtf8(bytes.constData() + i, length));
            i += length;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype plain = 0; // start of the run not yet written
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool escape = c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
                            !(i > 0 && name[i - 1].isHighSurrogate());
        if (!escape)
            continue;
        bytes += QStringView(name).mid(plain, i - plain).toUtf8();
        bytes += char(c - kEscapeBase);
        plain = i + 1;
    }
    bytes += QStringView(name).mid(plain).toUtf8();
    return bytes;
}

QString FileNameForDisplay(const QString& name) {
    const bool escaped = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
    });
    return escaped ? DecodeText(EncodeFileName(name)) : name;
}

QString DecodeStoredPath(const QByteArray& bytes) {
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    struct stat st {};
    if (::stat(bytes.constData(), &st) == 0)
        return DecodeFileName(bytes);
    return DecodeText(bytes);
}

QString LocalFileOfUrl(const QUrl& url) {
    if (!url.isLocalFile())
        return QString();
    if (!url.host().isEmpty())
        return url.toLocalFile(); // a network share: "//host/path"
    return DecodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

bool PathExists(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodeFileName(path).constData(), &st) == 0;
}

bool IsFolder(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString CanonicalPath(const QString& path) {
    if (path.isEmpty())
        return QString();
    char* real = ::realpath(EncodeFileName(path).constData(), nullptr);
    if (!real)
        return QString();
    const QString canonical = DecodeFileName(QByteArray(real));
    std::free(real);
    return canonical;
}

QList<FolderEntry> FolderEntries(const QString& folder) {
    QList<FolderEntry> entries;
    QByteArray base = EncodeFileName(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR* dir = ::opendir(base.constData());
    if (!dir)
        return entries;
    if (!base.endsWith('/'))
        base += '/';
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        // The entry's type when the file system gives it; links and unknown types are looked up.
        bool folderEntry = entry->d_type == DT_DIR;
        bool fileEntry = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            const bool found = ::stat((base + name).constData(), &st) == 0;
            folderEntry = found && S_ISDIR(st.st_mode);
            fileEntry = found && S_ISREG(st.st_mode);
        }
        entries.append({DecodeFileName(name), folderEntry, fileEntry});
    }
    ::closedir(dir);
    return entries;
}

QString AbsoluteFileName(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return path;
    char* folder = ::getcwd(nullptr, 0);
    if (!folder)
        return path;
    const QString absolute = DecodeFileName(QByteArray(folder)) + QLatin1Char('/') + path;
    std::free(folder);
    return QDir::cleanPath(absolute);
}
