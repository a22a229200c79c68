#pragma once

#include "SkinWriter.h"

#include <QJsonObject>
#include <QString>

// Turns a readable skin source — a JSON layout plus PNG pictures beside it —
// into a SkinWriter ready to write an ".eks" file. The format is described in
// README.md next to this file.
struct SkinSourceResult {
    bool ok = false;
    QString error; // what is wrong, naming the section and object
};

// Reads source.json; pictures are found relative to its folder.
SkinSourceResult CompileSkinSource(const QString& jsonPath, SkinWriter* writer);
// Same from an already parsed layout; pictures relative to folder.
SkinSourceResult CompileSkinSource(const QJsonObject& layout, const QString& folder, SkinWriter* writer);
