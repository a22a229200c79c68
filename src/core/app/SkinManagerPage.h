#pragma once

class PlayerApplication;
class QWidget;
class WorkPage;

// The skin manager page (TSkinForm) wired to the running player: it applies
// skins to the main window and the display window's control bar, asks through
// the dialog layer and runs its links as commands.
WorkPage* CreateSkinManagerPage(PlayerApplication& player, QWidget* parent);
