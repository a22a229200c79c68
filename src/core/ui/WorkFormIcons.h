#pragma once

#include <QIcon>

// The tool window's button pictures, drawn in the default skin's warm browns:
// a list (file management), a magnifier (search), a note with lines (lyrics),
// a palette (skins) and a gear (options). Index = page number.
QIcon WorkFormIcon(int page);
