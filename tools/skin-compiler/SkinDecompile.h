#pragma once

#include <QString>

// Turns an ".eks" skin file back into a source folder the compiler reads: a
// "layout.json" and one PNG per picture. Compiling that folder gives a skin
// that draws the same faces. Returns false with the reason in *error.
bool DecompileSkin(const QString& skinFile, const QString& folder, QString* error);
