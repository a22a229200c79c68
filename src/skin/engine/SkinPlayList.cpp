#include "SkinPlayList.h"

#include "QtForms.h"

#include "FontCodec.h"
#include "TKvListView.h"
#include "TPlay.h"

#include <QKeyEvent>

SkinPlayList::SkinPlayList(QWidget* owner, const SkinEnvironment& env)
    : list_(new TFrameList(owner)), env_(env) {
    // The list lies in a drawer behind the window body. An opaque widget is
    // repainted on its own, over whatever covers it, so it must not say so.
    list_->setAttribute(Qt::WA_OpaquePaintEvent, false);
    // A skin's scroll bar tells that the list scrolls; while every song fits
    // it would only take room from the titles.
    list_->VertScrollBox()->SetOnlyWhenNeeded(true);
    connect(list_, &TKvListView::OnItemActivated, this, [this](int row) { PlayRow(row); });
    connect(list_, &TKvListView::OnCtrlKeyDown, this, [this](QKeyEvent* key) {
        if (key->key() == Qt::Key_Delete)
            DeleteSelectedRows();
    });
}

SkinPlayList::~SkinPlayList() = default;

QWidget* SkinPlayList::Widget() const {
    return list_;
}

void SkinPlayList::ApplyRecord(const ObjectRecord& r) {
    if (r.listFont) {
        FontSpec spec;
        StringToFont(*r.listFont, spec);
        QFont font(spec.name);
        font.setPointSize(spec.size > 0 ? spec.size : 8);
        font.setBold(spec.bold);
        font.setItalic(spec.italic);
        list_->SetCtrlFont(font);
        list_->SetFontColor(ColorRefToQColor(spec.color));
    }
    auto color = [&r](int n) { return ColorRefToQColor(r.colors.at(n)); };
    if (r.colors.count(0))
        list_->SetColor(color(0));
    if (r.colors.count(1))
        list_->SetHighLineColor(color(1));
    if (r.colors.count(2))
        list_->SetHighLineTextColor(color(2));
    if (r.colors.count(3))
        list_->SetFocusColor(color(3));
    if (r.sunkenBorder) {
        list_->SetBorderStyle(TKvListView::bsSingle);
        list_->SetCtl3D(true);
    }
}

void SkinPlayList::SetImage(int slot, const QImage& image) {
    list_->SetSkinImage(slot, image);
}

void SkinPlayList::SetRows(const QStringList& rows, int focusedRow) {
    list_->SetItems(rows);
    list_->SetItemFocus(focusedRow);
}

void SkinPlayList::AppendRow(const QString& row) {
    list_->AppendItem(row);
}
void SkinPlayList::RemoveRow(int row) {
    list_->RemoveItem(row);
}
void SkinPlayList::SetRowText(int row, const QString& text) {
    list_->SetItemText(row, text);
}
void SkinPlayList::SetRowFailed(int row, bool failed) {
    list_->SetItemFailed(row, failed);
}
void SkinPlayList::SetCurrentRow(int row) {
    list_->SetItemFocus(row);
}
void SkinPlayList::Detach() {
    attached_ = false;
}

void SkinPlayList::PlayRow(int row) {
    if (!attached_ || !env_.play || row < 0 || row >= env_.play->Default().Count() || !env_.doCommand)
        return;
    env_.doCommand(QStringLiteral("#Play,") + env_.play->Default().Song(row).FileName, nullptr);
}

void SkinPlayList::DeleteSelectedRows() {
    if (!attached_ || !env_.play)
        return;
    QList<int> rows = list_->SelectedRows();
    if (rows.isEmpty())
        rows << list_->ItemIndex();
    // From the last to the first, so the rows still to go keep their numbers.
    bool deleted = false;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (*row < 0 || *row >= env_.play->Default().Count())
            continue;
        env_.play->DeleteSong(TPlay::kDefaultId, *row, true);
        deleted = true;
    }
    // Numbers the rows again, places the current index on the playing song and
    // saves the list, as every other delete does.
    if (deleted)
        env_.play->Renumber(false);
}
