#pragma once

#include "SkinWriter.h"

#include <QColor>
#include <QImage>

// Small pictures and a small complete skin for the skin format tests.

// A w x h picture filled with one colour, with a marker pixel at (0, 0) so
// that flipped or shifted rows show.
QImage SolidPicture(int w, int h, QColor color);

// A skin with all three faces:
//  section 0: body (12 x 10 background, L-shaped region), then
//    1 SlidingPanel (direction 3, distance 20, 8 x 6 picture)
//    2 Button in the panel ("#PlayStop"-free command "#LIST", hint, 3 states, state 1 empty)
//    3 IndicatorButton "#Silent", group 9
//    4 TimeDisplay: two fonts, each followed by code -2, option "短型", colour 0x010203
//    5 PlayListView: list font, colours 0 to 3, option "是", code 9, option texts
//    6 VolumeSlider with option "上下" and a GB18030 hint
//    7 Button "#EXIT" (a leaf, last record of section 0)
//  section 1: Panel + Button "#OnTop"; section 2: ControlBarPanel + Button "#STOP".
//  FrontList: 2, 1, 99 (out of range for every section), 9, 10.
SkinWriter SmallSkin();
