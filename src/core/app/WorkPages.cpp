#include "WorkPages.h"

#include "PlayerApplication.h"
#include "SkinManagerPage.h"
#include "WorkPage.h"

WorkPage* CreateWorkPage(PlayerApplication& player, int number, QWidget* parent) {
    switch (number) {
    case WorkPageNumber::SkinManager:
        return CreateSkinManagerPage(player, parent);
    default:
        return nullptr;
    }
}

// The tool window is not built yet: no page can show.
WorkPage* PlayerApplication::ShowWorkPage(int number) {
    (void)number;
    return nullptr;
}
