#pragma once

#include <QString>

// Resolves a path against the disk: an existing path is returned as it is;
// otherwise each component is matched against its folder's entries ignoring
// letter case (the first entry in listing order wins), so that a path written in
// another case finds the file; when no match is found the path itself is returned.
QString ResolvePath(const QString& path);

// Paths compare ignoring letter case, after resolution by the caller.
bool SamePath(const QString& a, const QString& b);

// Lower-cased extension with its dot (".mp3"), or empty.
QString LowerExtension(const QString& path);
