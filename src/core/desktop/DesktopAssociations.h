#pragma once

#include "FileAssociations.h"

#include <QString>
#include <QStringList>

// The XDG folders the desktop reads, taken from the environment at each use
// (XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME, XDG_DATA_DIRS with their
// standard defaults).
namespace XdgDirs {
QString ConfigHome();
QStringList ConfigDirs();
QString DataHome();
QStringList DataDirs();
// The path of a desktop entry by its id in the applications folders, or empty.
QString FindDesktopEntry(const QString& id);
} // namespace XdgDirs

// The MIME type the desktop uses for files with this extension (with its dot):
// audio/mpeg, audio/x-mpegurl, our own types for lyrics, skins and plug-in
// packages, and otherwise what shared-mime-info knows of the extension.
QString MimeTypeOfExtension(const QString& extension);

// The program the desktop opens a MIME type with, found as `xdg-mime query
// default` finds it: the [Default Applications] of each mimeapps.list in the
// user's and the system's configuration and data folders in turn, the first
// listed entry that is installed; then the data folders' "defaults.list".
QString QueryDefaultApplication(const QString& mimeType);

// File associations through the user's "mimeapps.list" and the player's
// desktop entry "sorvi.desktop". The user's line that we replace is kept in a
// record of ours ($XDG_CONFIG_HOME/sorvi/previous-defaults.list) the first
// time; releasing gives it back, or removes our line when there was none.
// Lines of other programs are never removed.
class DesktopAssociations final : public FileAssociations {
public:
    // programPath: the running program, which the desktop entry must start.
    explicit DesktopAssociations(QString programPath);

    bool IsAssociated(const QString& extension) const override;
    bool Associate(const QString& extension, bool remove) override;

    static const char* const kEntryId; // "sorvi.desktop"

    // The user's mimeapps.list and our record of previous owners.
    static QString UserMimeAppsFile();
    static QString PreviousOwnersFile();
    // Writes the player's desktop entry into the user's applications folder
    // unless an installed one already starts this program. False on failure.
    bool EnsureDesktopEntry() const;
    // The desktop entry text that starts `programPath`.
    static QByteArray DesktopEntryText(const QString& programPath);

private:
    bool entryRunsThisProgram() const;

    QString programPath_;
};
