#include "ResourceFiles.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <stdexcept>

namespace {
QString resourcePath(const QString& name) { return QStringLiteral(":/files/") + name.toLower(); }

struct EmbeddedFile {
    const char* resource;
    const char* fileName;
};
constexpr EmbeddedFile kProgramFiles[] = {{"skin", "default.eks"}, {"mpeg", "mpeg.so"}};
} // namespace

bool HasResourceFile(const QString& name) { return QFile::exists(resourcePath(name)); }

void ExtractResourceFile(const QString& name, const QString& path) {
    QFile source(resourcePath(name));
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error(QCoreApplication::translate("ResourceFiles", "The program carries no file \"%1\".")
                                     .arg(name)
                                     .toStdString());
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(source.readAll()) < 0 || !target.commit())
        throw std::runtime_error(
            QCoreApplication::translate("ResourceFiles", "Cannot write \"%1\": %2")
                .arg(path, target.errorString())
                .toStdString());
}

QStringList ExtractMissingProgramFiles() {
    QStringList problems;
    for (const EmbeddedFile& file : kProgramFiles) {
        const QString path = ProgramFile(QString::fromLatin1(file.fileName));
        if (QFile::exists(path) || !HasResourceFile(QString::fromLatin1(file.resource)))
            continue;
        try {
            ExtractResourceFile(QString::fromLatin1(file.resource), path);
        } catch (const std::exception& e) {
            problems << QString::fromUtf8(e.what());
        }
    }
    return problems;
}
