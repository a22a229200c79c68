#include "PluginFixtures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

QString BuiltPlugin(const QString& name) {
    return QStringLiteral(SORVI_TEST_PLUGIN_DIR "/") + name + ".so";
}

QByteArray TrailerOf(const PluginDescription& description) {
    std::string trailer, error;
    EXPECT_TRUE(BuildDescriptionTrailer(description, trailer, error)) << error;
    return QByteArray::fromStdString(trailer);
}

QString InstallPlugin(const TempHome& home, const QString& builtName, const QString& fileName) {
    QFile built(BuiltPlugin(builtName));
    EXPECT_TRUE(built.open(QIODevice::ReadOnly)) << built.fileName().toStdString();
    return home.write(QStringLiteral("Plusin/") + fileName, built.readAll());
}

QString InstallPlugin(const TempHome& home, const QString& builtName, const QString& fileName,
                      const std::optional<PluginDescription>& description) {
    QFile built(BuiltPlugin(builtName));
    EXPECT_TRUE(built.open(QIODevice::ReadOnly)) << built.fileName().toStdString();
    QByteArray bytes = built.readAll();
    const std::int64_t existing =
        DescriptionTrailerLengthFile(QFile::encodeName(built.fileName()).toStdString());
    EXPECT_GT(existing, 0) << "built test plug-ins carry a description";
    bytes.chop(existing);
    if (description)
        bytes += TrailerOf(*description);
    return home.write(QStringLiteral("Plusin/") + fileName, bytes);
}

PluginDescription Describe(const char* id, int priority, const char* types, int flagsNumber,
                           const char* name) {
    PluginDescription d;
    d.id = id;
    d.priority = priority;
    d.fileTypes = types;
    d.flagsNumber = flagsNumber;
    d.name = name;
    return d;
}

namespace {
QString& logPath() {
    static QString path;
    return path;
}
} // namespace

void StartPluginLog(const TempHome& home) {
    logPath() = home.file(QStringLiteral("plugin.log"));
    QFile::remove(logPath());
    qputenv("SORVI_TEST_PLUGIN_LOG", QFile::encodeName(logPath()));
}

QStringList PluginLog() {
    QFile f(logPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}
