#include "DesktopAssociations.h"

#include "AtomicFile.h"
#include "MimeAppsList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace {

const QString kDefaults = QStringLiteral("Default Applications");
const QString kPrevious = QStringLiteral("Previous Defaults");

QString EnvDir(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return QDir::cleanPath(value.isEmpty() ? fallback : value);
}

QStringList EnvDirs(const char* name, const QString& fallback) {
    QString value = qEnvironmentVariable(name);
    if (value.isEmpty())
        value = fallback;
    QStringList dirs;
    for (const QString& d : value.split(':', Qt::SkipEmptyParts))
        dirs << QDir::cleanPath(d);
    return dirs;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lower-cased names of XDG_CURRENT_DESKTOP, for "<desktop>-mimeapps.list".
QStringList CurrentDesktops() {
    QStringList names;
    for (const QString& n : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts))
        names << n.toLower();
    return names;
}

QString ExecProgram(const QByteArray& entry);

// The first entry of a ";" list whose desktop file is installed and whose
// program exists.
QString FirstInstalled(const QString& list) {
    for (const QString& id : list.split(';', Qt::SkipEmptyParts)) {
        const QString trimmed = id.trimmed();
        const QString entry = trimmed.isEmpty() ? QString() : XdgDirs::FindDesktopEntry(trimmed);
        if (!entry.isEmpty() && QFileInfo::exists(ExecProgram(ReadAll(entry))))
            return trimmed;
    }
    return {};
}

// The program an Exec line starts, found on PATH when it has no folder.
QString ExecProgram(const QByteArray& entry) {
    for (const QByteArray& raw : entry.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("Exec="))
            continue;
        QString exec = QString::fromUtf8(line.mid(5)).trimmed();
        QString program;
        if (exec.startsWith('"')) {
            const qsizetype close = exec.indexOf('"', 1);
            program = exec.mid(1, close < 0 ? -1 : close - 1);
        } else {
            program = exec.section(' ', 0, 0);
        }
        if (!program.contains('/'))
            program = QStandardPaths::findExecutable(program);
        return program;
    }
    return {};
}

QString Canonical(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

bool WriteList(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteFileAtomically(path, bytes);
}

// Quotes a path for an Exec line when it needs it.
QString ExecQuoted(const QString& path) {
    static const QString special = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    for (QChar c : path)
        if (special.contains(c)) {
            QString escaped = path;
            escaped.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\"")).replace('$', QStringLiteral("\\$")).replace('`', QStringLiteral("\\`"));
            return '"' + escaped + '"';
        }
    return path;
}

} // namespace

namespace XdgDirs {
QString ConfigHome() { return EnvDir("XDG_CONFIG_HOME", QDir::homePath() + "/.config"); }
QStringList ConfigDirs() { return EnvDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")); }
QString DataHome() { return EnvDir("XDG_DATA_HOME", QDir::homePath() + "/.local/share"); }
QStringList DataDirs() { return EnvDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")); }

QString FindDesktopEntry(const QString& id) {
    // An id "a-b.desktop" may also live as "a/b.desktop".
    QStringList names{id};
    if (id.contains('-'))
        names << QString(id).replace('-', '/');
    for (const QString& dir : QStringList{DataHome()} + DataDirs())
        for (const QString& name : names) {
            const QString path = dir + "/applications/" + name;
            if (QFileInfo(path).isFile())
                return path;
        }
    return {};
}
} // namespace XdgDirs

QString MimeTypeOfExtension(const QString& extension) {
    const QString ext = extension.toLower();
    if (ext == QLatin1String(".mp3"))
        return QStringLiteral("audio/mpeg");
    if (ext == QLatin1String(".m3u"))
        return QStringLiteral("audio/x-mpegurl");
    if (ext == QLatin1String(".lrc"))
        return QStringLiteral("application/x-sorvi-lyrics");
    if (ext == QLatin1String(".eks"))
        return QStringLiteral("application/x-sorvi-skin");
    if (ext == QLatin1String(".pis"))
        return QStringLiteral("application/x-sorvi-plugin");
    const QMimeType type = QMimeDatabase().mimeTypeForFile("file" + ext, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault())
        return type.name();
    return "audio/x-" + ext.mid(1);
}

QString QueryDefaultApplication(const QString& mimeType) {
    QStringList files;
    auto addFolder = [&files](const QString& dir) {
        for (const QString& desktop : CurrentDesktops())
            files << dir + "/" + desktop + "-mimeapps.list";
        files << dir + "/mimeapps.list";
    };
    addFolder(XdgDirs::ConfigHome());
    for (const QString& dir : XdgDirs::ConfigDirs())
        addFolder(dir);
    addFolder(XdgDirs::DataHome() + "/applications");
    for (const QString& dir : XdgDirs::DataDirs())
        addFolder(dir + "/applications");
    for (const QString& file : files) {
        const auto value = MimeAppsList::Value(ReadAll(file), kDefaults, mimeType);
        if (value) {
            const QString id = FirstInstalled(*value);
            if (!id.isEmpty())
                return id;
        }
    }
    for (const QString& dir : QStringList{XdgDirs::DataHome()} + XdgDirs::DataDirs()) {
        const auto value = MimeAppsList::Value(ReadAll(dir + "/applications/defaults.list"), kDefaults, mimeType);
        if (value) {
            const QString id = FirstInstalled(*value);
            if (!id.isEmpty())
                return id;
        }
    }
    return {};
}

const char* const DesktopAssociations::kEntryId = "sorvi.desktop";

DesktopAssociations::DesktopAssociations(QString programPath) : programPath_(std::move(programPath)) {}

QString DesktopAssociations::UserMimeAppsFile() { return XdgDirs::ConfigHome() + "/mimeapps.list"; }
QString DesktopAssociations::PreviousOwnersFile() { return XdgDirs::ConfigHome() + "/sorvi/previous-defaults.list"; }

QByteArray DesktopAssociations::DesktopEntryText(const QString& programPath) {
    return QByteArray("[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Sorvi Audio Player\n"
                      "GenericName=Audio Player\n"
                      "Comment=Play music with lyrics and skins\n"
                      "Exec=") +
           ExecQuoted(programPath).toUtf8() +
           " %F\n"
           "Icon=sorvi\n"
           "Terminal=false\n"
           "Categories=AudioVideo;Audio;Player;\n"
           "MimeType=audio/mpeg;audio/x-mpegurl;application/x-sorvi-lyrics;application/x-sorvi-skin;"
           "application/x-sorvi-plugin;\n";
}

bool DesktopAssociations::entryRunsThisProgram() const {
    const QString entry = XdgDirs::FindDesktopEntry(QString::fromLatin1(kEntryId));
    if (entry.isEmpty())
        return false;
    const QString program = ExecProgram(ReadAll(entry));
    return !program.isEmpty() && Canonical(program) == Canonical(programPath_);
}

bool DesktopAssociations::EnsureDesktopEntry() const {
    if (entryRunsThisProgram())
        return true;
    const QString path = XdgDirs::DataHome() + "/applications/" + QString::fromLatin1(kEntryId);
    return WriteList(path, DesktopEntryText(programPath_));
}

bool DesktopAssociations::IsAssociated(const QString& extension) const {
    return QueryDefaultApplication(MimeTypeOfExtension(extension)) == QLatin1String(kEntryId) &&
           entryRunsThisProgram();
}

bool DesktopAssociations::Associate(const QString& extension, bool remove) {
    if (remove == !IsAssociated(extension))
        return true;
    const QString mime = MimeTypeOfExtension(extension);
    const QString listFile = UserMimeAppsFile();
    const QString recordFile = PreviousOwnersFile();
    const QByteArray list = ReadAll(listFile);
    const QByteArray record = ReadAll(recordFile);
    const auto previous = MimeAppsList::Value(record, kPrevious, mime);
    if (remove) {
        // Only our own line is given back: a line another program wrote
        // meanwhile is left alone.
        const auto current = MimeAppsList::Value(list, kDefaults, mime);
        if (current && current->section(';', 0, 0).trimmed() == QLatin1String(kEntryId)) {
            const std::optional<QString> restored =
                previous && !previous->isEmpty() ? previous : std::optional<QString>();
            if (!WriteList(listFile, MimeAppsList::WithValue(list, kDefaults, mime, restored)))
                return false;
        }
        return !previous || WriteList(recordFile, MimeAppsList::WithValue(record, kPrevious, mime, std::nullopt));
    }
    if (!EnsureDesktopEntry())
        return false;
    if (!previous) {
        // Recorded once: associating again keeps the first owner. An empty
        // value records that the user's list had no line for the type.
        // A line naming our own entry (left by an install of another
        // program path) is no owner to give the type back to.
        QString owner = MimeAppsList::Value(list, kDefaults, mime).value_or(QString());
        if (owner.section(';', 0, 0).trimmed() == QLatin1String(kEntryId))
            owner.clear();
        if (!WriteList(recordFile, MimeAppsList::WithValue(record, kPrevious, mime, owner)))
            return false;
    }
    return WriteList(listFile, MimeAppsList::WithValue(list, kDefaults, mime, QString::fromLatin1(kEntryId) + ';'));
}
