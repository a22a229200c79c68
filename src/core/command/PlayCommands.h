#pragma once

class TCommandDispatcher;
class TPlayControl;

// Installs the play controller's commands: "#Play", "#Stop", "#Next", "#Prev"
// and "#PlayStatusChanged".
void InstallPlayCommands(TCommandDispatcher& dispatcher, TPlayControl& control);
