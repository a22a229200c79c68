#pragma once

class PlayerApplication;
class QWidget;
class WorkPage;

// The lyrics editor page of the tool window, wired to the running player: the
// play time, the recent folder, the lyrics folder and the lyrics window (Test).
WorkPage* CreateLyricsEditorPage(PlayerApplication& player, QWidget* parent);
