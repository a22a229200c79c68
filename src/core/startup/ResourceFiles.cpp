#include "ResourceFiles.h"

#include "AtomicFile.h"
#include "ProgramFolder.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace {
QString resourcePath(const QString& name) { return QStringLiteral(":/files/") + name.toLower(); }

struct EmbeddedFile {
    const char* resource;
    const char* fileName;
};
constexpr EmbeddedFile kProgramFiles[] = {
    {"skin", "default.eks"}, {"mpeg", "mpeg.so"}, {"sndfile", "Plusin/sndfile.so"}};
// The other shipped skins: written only when missing, so a user's change to
// them (or their removal of one folder's worth) is not undone at every start.
constexpr EmbeddedFile kShippedSkins[] = {{"skin-light", "Skins/light.eks"},
                                          {"skin-compact", "Skins/compact.eks"}};

// The embedded copies lie in the program file's mapped pages. Once checked or
// written out they are not read again, so their pages are given back: they
// would otherwise stay counted in the player's memory for the whole run.
void releaseResourcePages(const QString& name) {
    const QResource resource(resourcePath(name));
    const uchar* data = resource.data();
    const long page = sysconf(_SC_PAGESIZE);
    if (!data || resource.size() <= 0 || page <= 0)
        return;
    const auto begin = (reinterpret_cast<quintptr>(data) + quintptr(page) - 1) & ~quintptr(page - 1);
    const auto end = (reinterpret_cast<quintptr>(data) + quintptr(resource.size())) & ~quintptr(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}

QByteArray resourceBytes(const QString& name) {
    QFile source(resourcePath(name));
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error(QCoreApplication::translate("ResourceFiles", "The program carries no file \"%1\".")
                                     .arg(name)
                                     .toStdString());
    return source.readAll();
}
} // namespace

bool HasResourceFile(const QString& name) { return QFile::exists(resourcePath(name)); }

void ExtractResourceFile(const QString& name, const QString& path) {
    QString error;
    if (!WriteFileAtomically(path, resourceBytes(name), &error))
        throw std::runtime_error(QCoreApplication::translate("ResourceFiles", "Cannot write \"%1\": %2")
                                     .arg(path, error)
                                     .toStdString());
}

namespace {
// Whether the file at `path` is one the copy was written to and that nobody
// changed since: its size is the copy's and it still carries the copy's time
// (writing into a file sets its time to the moment of the write).
bool carriesCopyTime(const EmbeddedCopy& embedded, const QString& path) {
    if (!embedded.made.isValid())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() == embedded.size &&
           info.lastModified().toMSecsSinceEpoch() == embedded.made.toMSecsSinceEpoch();
}

void stampCopyTime(const EmbeddedCopy& embedded, const QString& path) {
    if (!embedded.made.isValid())
        return;
    QFile file(path);
    // Not being able to set the time only costs a comparison at the next start.
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(embedded.made, QFileDevice::FileModificationTime);
}
} // namespace

QString WriteOutProgramFile(const EmbeddedCopy& embedded, const QString& path) {
    if (carriesCopyTime(embedded, path))
        return {};
    // Otherwise what is there is compared byte for byte: a module or skin cut
    // short by an earlier full disk, or changed, would crash the loader or
    // show the skin error at every start.
    const QByteArray bytes = embedded.bytes();
    if (ReadRegularFile(path, bytes.size()) == bytes) {
        stampCopyTime(embedded, path);
        return {};
    }
    QString error;
    if (!WriteFileAtomically(path, bytes, &error))
        return QCoreApplication::translate("ResourceFiles", "Cannot write \"%1\": %2").arg(path, error);
    stampCopyTime(embedded, path);
    return {};
}

QStringList WriteOutProgramFiles() {
    QStringList problems;
    for (const EmbeddedFile& file : kProgramFiles) {
        const QString name = QString::fromLatin1(file.resource);
        if (!HasResourceFile(name))
            continue;
        const QString path = ProgramFile(QString::fromLatin1(file.fileName));
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QResource resource(resourcePath(name));
        EmbeddedCopy copy;
        copy.size = resource.uncompressedSize();
        copy.made = resource.lastModified();
        copy.bytes = [&name] { return resourceBytes(name); };
        const QString problem = WriteOutProgramFile(copy, path);
        releaseResourcePages(name);
        if (!problem.isEmpty())
            problems << problem;
    }
    for (const EmbeddedFile& file : kShippedSkins) {
        const QString name = QString::fromLatin1(file.resource);
        const QString path = ProgramFile(QString::fromLatin1(file.fileName));
        if (!HasResourceFile(name) || QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        QString error;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
            !WriteFileAtomically(path, resourceBytes(name), &error))
            problems << QCoreApplication::translate("ResourceFiles", "Cannot write \"%1\": %2")
                            .arg(path, error);
        releaseResourcePages(name);
    }
    return problems;
}
