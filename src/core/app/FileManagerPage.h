#pragma once

class PlayerApplication;
class QWidget;
class WorkPage;

// The file manager page (TFileForm) wired to the running player: commands go
// to its dispatcher, files are added through its adder, "Add Url" opens the
// add-URL window on the shown category, "Find" searches every local disk on
// the search page, and the hot-key column reads the player's hot keys.
WorkPage* CreateFileManagerPage(PlayerApplication& player, QWidget* parent);
