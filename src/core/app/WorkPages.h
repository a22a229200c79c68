#pragma once

class PlayerApplication;
class QWidget;
class WorkPage;

// Builds page `number` (WorkPageNumber) of the tool window for the running
// player, as a child of `parent`; null for a page this build does not have,
// which the tool window shows as an empty page with its caption.
WorkPage* CreateWorkPage(PlayerApplication& player, int number, QWidget* parent);
