#pragma once

#include <QImage>

// The picture that runs down the left strip of the top-level menu: the
// product name written upwards in the accent colour on a dark gradient that
// fades to black at its foot, so the black strip below it continues it.
QImage SidePicture();
