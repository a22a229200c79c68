#include "PlayerApplication.h"

// The add-URL window is not built yet.
void PlayerApplication::OpenUrlWindow(int targetCategory) { (void)targetCategory; }
