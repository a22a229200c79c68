#pragma once

#include "LrcModel.h"

// The arithmetic of the lyrics list: which line is current and where the list
// stands. All values are pixels except times (tenths of a second).

// The highlighted display line: -1 when not playing; otherwise the index of the
// first display line whose time is at or after the position, minus one. A line
// becomes current only once the position has passed its time; the end marker
// keeps the last real line current until the end.
int CurrentLineAt(const TLrcRec& displayLines, bool playing, int positionTenths);

// Automatic scrolling. When not playing the list stands at the top. When
// playing and the list area is at least two lines high, the list stays put
// while the line after the current one is fully visible and otherwise moves so
// that this line is the last one in the area. A list area lower than two lines
// keeps the current line at its top instead (so the current line is always the
// one in view).
int AutoScroll(int scroll, bool playing, int currentLine, int lineHeight, int listHeight);

// Dragging with the mouse: the text follows the pointer, then the offset is
// raised to 0 and lowered to the last line's bottom meeting the bottom of the
// list area (in that order, so a list shorter than the area ends negative and
// is drawn from the top).
int DragScroll(int scroll, int pressedY, int currentY, int lineHeight, int lineCount, int listHeight);

// The arrow keys: Up moves towards the top, never above 0; Down towards the end,
// never past the last line's bottom meeting the bottom of the drawing area
// (panelHeight, which includes the band). The step is 30 pixels with a modifier
// key held and 5 otherwise.
int ArrowStep(bool modifier);
int ScrollUp(int scroll, int step);
int ScrollDown(int scroll, int step, int lineHeight, int lineCount, int panelHeight);
