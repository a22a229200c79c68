#include "WorkPages.h"

#include "FileManagerPage.h"
#include "LyricsEditorPage.h"
#include "OptionsPage.h"
#include "PlayerApplication.h"
#include "SkinManagerPage.h"
#include "TPlus.h"
#include "TSearchForm.h"
#include "WorkPage.h"

WorkPage* CreateWorkPage(PlayerApplication& player, int number, QWidget* parent) {
    switch (number) {
    case WorkPageNumber::FileManager:
        return CreateFileManagerPage(player, parent);
    case WorkPageNumber::LyricsEditor:
        return CreateLyricsEditorPage(player, parent);
    case WorkPageNumber::SkinManager:
        return CreateSkinManagerPage(player, parent);
    case WorkPageNumber::Options:
        return CreateOptionsPage(player, parent);
    case WorkPageNumber::FileSearch:
        return new TSearchForm({player.play(), player.messenger(), player.store(),
                                [&player](const QString& command) { player.DoCommand(command); },
                                [&player] { return player.plus().FileTypes(); }},
                               parent);
    default:
        return nullptr;
    }
}
