#pragma once

// Closes every open pop-up menu and modal window (message boxes, file dialogs,
// any modal window) as if the user had cancelled it, innermost first, so that
// the code that opened it goes on and returns. Used when the player is asked
// to end.
void CloseModalWindows();
