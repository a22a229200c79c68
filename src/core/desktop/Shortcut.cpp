#include "Shortcut.h"

#include "AtomicFile.h"
#include "DesktopAssociations.h"
#include "Messenger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("DesktopCommands", text); }

bool WriteEntry(const QString& path, const QByteArray& text, QFileDevice::Permissions permissions) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !WriteFileAtomically(path, text))
        return false;
    return QFile::setPermissions(path, permissions);
}

} // namespace

QString DesktopFolder() {
    QProcess tool;
    tool.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("DESKTOP")});
    if (tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0) {
        const QString folder = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
        if (!folder.isEmpty())
            return folder;
    }
    return QDir::homePath() + QStringLiteral("/Desktop");
}

void CreateShortcut(const QString& programPath, Messenger& messenger) {
    const QByteArray entry = DesktopAssociations::DesktopEntryText(programPath);
    const QString name = QString::fromLatin1(DesktopAssociations::kEntryId);
    const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                          QFileDevice::ReadOther;
    if (!WriteEntry(XdgDirs::DataHome() + "/applications/" + name, entry, readable)) {
        messenger.ShowMessageBox(tr("Could not Create Shortcut!"), MsgBox::IconExclamation);
        return;
    }
    // A launcher on the desktop runs only when it is executable, and GNOME's
    // desktop also wants it marked trusted.
    const QString desktop = DesktopFolder();
    const QString launcher = desktop + "/" + name;
    if (!QFileInfo(desktop).isDir() ||
        !WriteEntry(launcher, entry, readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther)) {
        messenger.ShowMessageBox(tr("Cannot send Shortcut to Desktop."), MsgBox::IconInformation);
        return;
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty()) {
        QProcess gio;
        gio.start(QStringLiteral("gio"), {QStringLiteral("set"), launcher, QStringLiteral("metadata::trusted"),
                                          QStringLiteral("true")});
        gio.waitForFinished(5000); // without a metadata service this fails, and nothing needs it then
    }
}
