#include "WorkPages.h"

#include "PlayerApplication.h"
#include "WorkPage.h"

WorkPage* CreateWorkPage(PlayerApplication& player, int number, QWidget* parent) {
    (void)player;
    (void)parent;
    switch (number) {
    default:
        return nullptr;
    }
}

// The tool window is not built yet: no page can show.
WorkPage* PlayerApplication::ShowWorkPage(int number) {
    (void)number;
    return nullptr;
}
