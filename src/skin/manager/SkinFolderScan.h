#pragma once

#include <QStringList>

// The skin files the skin manager lists: "default.eks" in the program folder
// when it exists, then every "*.eks" in the program folder's "Skins" folder and
// its subfolders (each folder's files by name, then its subfolders by name).
// Folders whose name starts with "." are skipped. A folder reached twice (a
// symbolic link loop, two links to one folder) is walked once, and the walk
// stops at kMaxSkinFiles files or kMaxFolders folders, so a strange tree never
// holds the window.
QStringList ListSkinFiles(const QString& programFolder);

inline constexpr int kMaxSkinFiles = 2000;
inline constexpr int kMaxSkinFolders = 2000;
