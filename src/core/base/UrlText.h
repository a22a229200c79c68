#pragma once

#include <QString>
#include <QStringList>

// Whether a name given by the user (command line, list entry, handover) is a URL
// rather than a file. Only the schemes the player can open make a URL: http,
// https, ftp, file, and those that loaded plug-ins name. A file name with a
// colon ("Live: Song.mp3", "a:b.mp3") stays a file name.
bool IsUrl(const QString& name);

// Adds schemes (without "://", any case) that plug-ins open.
void AddUrlSchemes(const QStringList& schemes);

// The shape of a URL with any scheme ("scheme://..."). A process that has not
// loaded the plug-ins uses it for names that are no existing file.
bool HasUrlForm(const QString& name);
