#pragma once

class PlayerApplication;
class QWidget;
class WorkPage;

// The options window (TOptionForm) wired to the running player: its settings,
// the plug-in host's file types, the desktop's associations, the lyrics
// window and the dialog layer.
WorkPage* CreateOptionsPage(PlayerApplication& player, QWidget* parent);
