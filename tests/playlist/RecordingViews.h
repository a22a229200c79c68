#pragma once

#include "PlayListViews.h"

#include <QStringList>

// A play-list view that keeps its rows the way a real list would.
class RecordingView : public PlayListView {
public:
    void SetRows(const QStringList& newRows, int focusedRow) override {
        rows = newRows;
        failed = QList<bool>(rows.size(), false);
        focused = focusedRow;
        ++refills;
    }
    void AppendRow(const QString& row) override {
        rows << row;
        failed << false;
    }
    void RemoveRow(int row) override {
        rows.removeAt(row);
        failed.removeAt(row);
        if (focused >= rows.size())
            focused = static_cast<int>(rows.size()) - 1;
    }
    void SetRowText(int row, const QString& text) override { rows[row] = text; }
    void SetRowFailed(int row, bool flag) override { failed[row] = flag; }
    // Rows marked as failed.
    QList<int> failedRows() const {
        QList<int> marked;
        for (int i = 0; i < failed.size(); ++i)
            if (failed[i])
                marked << i;
        return marked;
    }
    void SetCurrentRow(int row) override { focused = row; }
    void Detach() override { detached = true; }

    QStringList rows;
    QList<bool> failed;
    int focused = -2;
    int refills = 0;
    bool detached = false;
};

// A file manager that shows one category and records what it was told.
class RecordingFileManager : public FileManagerSync {
public:
    int ShownCategory() const override { return shown; }
    void CategoryAdded(int id, const QString& name, int kind) override {
        events << QStringLiteral("added %1 %2 %3").arg(id).arg(name).arg(kind);
    }
    void CategoryDeleted(int id) override { events << QStringLiteral("deleted %1").arg(id); }
    void SongAppended(int id, int position) override {
        events << QStringLiteral("append %1 %2").arg(id).arg(position);
    }
    void SongDeleted(int id, int position) override {
        events << QStringLiteral("remove %1 %2").arg(id).arg(position);
    }
    void SongMoved(int id, int from, int to) override {
        events << QStringLiteral("move %1 %2 %3").arg(id).arg(from).arg(to);
    }
    void SongChanged(int id, int position) override {
        events << QStringLiteral("changed %1 %2").arg(id).arg(position);
    }
    void RowsRenumbered(int id) override { events << QStringLiteral("renumber %1").arg(id); }
    void CategoryRebuilt(int id) override { events << QStringLiteral("rebuilt %1").arg(id); }
    void AddBatchEnded(int id) override { events << QStringLiteral("batch %1").arg(id); }

    int shown = -1;
    QStringList events;
};
