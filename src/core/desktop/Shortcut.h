#pragma once

#include <QString>
#include <functional>

class Messenger;

// "Create Shortcut": puts the player's desktop entry into the user's
// applications menu ($XDG_DATA_HOME/applications/sorvi.desktop) and a copy on
// the desktop folder that `xdg-user-dir DESKTOP` names, executable and marked
// trusted for desktops that ask for it. Says "Could not Create Shortcut!" when
// the menu entry cannot be written and "Cannot send Shortcut to Desktop." when
// the desktop copy cannot.
void CreateShortcut(const QString& programPath, Messenger& messenger);

// The desktop folder as `xdg-user-dir DESKTOP` tells it (the home folder's
// "Desktop" when the tool is missing).
QString DesktopFolder();
