#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

// What is being dragged over the file manager.
struct FileManagerDrag {
    enum Kind { Nothing, Rows, Category, Files, Link };
    Kind kind = Nothing;
    int category = -1;      // Rows: the category the rows belong to; Category: the dragged one
    QList<int> rows;        // Rows: positions in list order
    QStringList files;      // Files: local files from the shell
    QString link;           // Link: a stream address from a browser

    // Song rows of a category: their positions for the player's own targets,
    // and their files as a shell file list for the desktop's.
    static QMimeData* NewRowsData(int category, const QList<int>& rows, const QStringList& files);
    static QMimeData* NewCategoryData(int category);
    // Our own forms first, then a shell file list, then a link.
    static FileManagerDrag Read(const QMimeData& data);
};
