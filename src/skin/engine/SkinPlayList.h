#pragma once

#include "PlayListViews.h"
#include "SkinEnvironment.h"
#include "SkinModel.h"

#include <QImage>
#include <QObject>

class TFrameList;
class QWidget;

// A skin's play-list view: a TFrameList that mirrors category DEFAULT and
// plays the row that is double-clicked or entered; Delete removes the row.
class SkinPlayList : public QObject, public PlayListView {
    Q_OBJECT
public:
    SkinPlayList(QWidget* owner, const SkinEnvironment& env);
    ~SkinPlayList() override;

    QWidget* Widget() const;
    TFrameList* List() const { return list_; }
    void ApplyRecord(const ObjectRecord& record);
    // Image slot i: 0 glyph, 1-3 horizontal scroll bar pictures, 4-6 vertical.
    void SetImage(int slot, const QImage& image);

    // PlayListView
    void SetRows(const QStringList& rows, int focusedRow) override;
    void AppendRow(const QString& row) override;
    void RemoveRow(int row) override;
    void SetRowText(int row, const QString& text) override;
    void SetRowFailed(int row, bool failed) override;
    void SetCurrentRow(int row) override;
    void Detach() override;

    // The row's song starts ("#Play," + its file).
    void PlayRow(int row);
    // The selected rows (or the cursor row) leave DEFAULT, which is renumbered and saved.
    void DeleteSelectedRows();

private:
    TFrameList* list_;
    const SkinEnvironment& env_;
    bool attached_ = true;
};
