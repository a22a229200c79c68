#include "SearchResultList.h"

#include "SearchPatterns.h"

#include <QHeaderView>
#include <QLocale>

SearchResultList::SearchResultList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("ListView"));
    setHeaderLabels({tr("File"), tr("Size"), tr("Datetime")});
    setColumnWidth(0, 250);
    setColumnWidth(1, 85);
    setColumnWidth(2, 120);
    headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
}

QStringList SearchResultList::RowTexts(const FoundFile& file) {
    return {file.folder + file.name, SizeInKB(file.size),
            QLocale().toString(file.modified.toLocalTime(), QLocale::ShortFormat)};
}

void SearchResultList::AddFiles(const QList<FoundFile>& files) {
    QList<QTreeWidgetItem*> items;
    items.reserve(files.size());
    for (const FoundFile& file : files) {
        auto* item = new QTreeWidgetItem(RowTexts(file));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    addTopLevelItems(items);
}

QStringList SearchResultList::SelectedFiles() const {
    QStringList files;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected())
            files << topLevelItem(i)->text(0);
    return files;
}

QString SearchResultList::FirstSelectedFile() const {
    const QStringList files = SelectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
