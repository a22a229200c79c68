#pragma once

class PlayerApplication;
class TCommandDispatcher;

// "#WorkForm" and the commands that show a page of the tool window:
// "#FileManage", "#EditLrc" (with a file: the editor opens it), "#Skin" without
// a file, "#Setup" and "#Search".
void InstallWorkFormCommands(TCommandDispatcher& d, PlayerApplication& player);
