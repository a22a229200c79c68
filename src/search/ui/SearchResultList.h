#pragma once

#include "FileSearchWalk.h"

#include <QTreeWidget>

// The result list of the search page: columns "File", "Size" (right-aligned,
// KB with thousands separators) and "Datetime"; several rows may be selected,
// whole rows, nothing edited.
class SearchResultList : public QTreeWidget {
    Q_OBJECT
public:
    explicit SearchResultList(QWidget* parent = nullptr);

    void AddFiles(const QList<FoundFile>& files);
    // The selected files in list order.
    QStringList SelectedFiles() const;
    QString FirstSelectedFile() const;
    // Row texts: file, size, date and time.
    static QStringList RowTexts(const FoundFile& file);
};
