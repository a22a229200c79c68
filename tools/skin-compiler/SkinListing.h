#pragma once

#include <QString>

// A readable listing of an ".eks" file: its InfoBlock, each section's objects
// with their properties, and the FrontList. Returns false (with the reason in
// the listing) when the file does not read completely.
bool ListSkinFile(const QString& path, QString* listing);
