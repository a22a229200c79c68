#pragma once

class TCommandDispatcher;
class PlayerApplication;

// Installs the commands that act on the player's own windows: "#Minimize",
// "#Normal", "#Display" and "#Exit".
void InstallWindowCommands(TCommandDispatcher& dispatcher, PlayerApplication& player);
