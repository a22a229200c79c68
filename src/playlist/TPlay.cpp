#include "TPlay.h"

#include "TOption.h"

#include <QCoreApplication>

#include <utility>

TPlay::TPlay(TOption* option, QObject* parent) : QObject(parent), option_(option) {
    AddCategory(QStringLiteral("DEFAULT"), 0);
    AddCategory(QStringLiteral("TOPTEN"), 1);
    Default().Fixed = true;
    TopTen().Fixed = true;
    // Every view marks the current song, whoever moves it (the controller sets
    // the index on the player state directly).
    if (option_)
        connect(option_, &TOption::currentIndexChanged, this, &TPlay::ShowCurrentRow);
}

TPlay::~TPlay() {
    tagScanRunning_ = false;
    const QList<PlayListView*> views = listViews_;
    listViews_.clear();
    for (PlayListView* view : views)
        view->Detach();
}

void TPlay::ShowMessage(const QString& text) const {
    if (message_)
        message_(text);
    else
        heldMessages_ << text;
}

void TPlay::SetMessageHandler(MessageHandler handler) {
    message_ = std::move(handler);
    if (!message_)
        return;
    const QStringList held = std::exchange(heldMessages_, {});
    for (const QString& text : held)
        message_(text);
}

bool TPlay::FileManagerShows(int id) const {
    return fileManager_ && fileManager_->ShownCategory() == id;
}

int TPlay::AddCategory(const QString& name, int kind) {
    auto category = std::make_unique<TPlayCategory>();
    category->Name = name;
    category->Id = nextCategoryId_++;
    if (kind == 1) {
        category->Kind = 1;
        category->ReadOnly = true;
    }
    const int id = category->Id;
    categories_.push_back(std::move(category));
    if (fileManager_)
        fileManager_->CategoryAdded(id, name, kind == 1 ? 1 : 0);
    return id;
}

void TPlay::DeleteCategory(int id) {
    const auto it = std::find_if(categories_.begin(), categories_.end(),
                                 [id](const auto& category) { return category->Id == id; });
    if (it == categories_.end())
        return;
    if (fileManager_)
        fileManager_->CategoryDeleted(id);
    categories_.erase(it);
}

TPlayCategory* TPlay::Category(int id) {
    for (const auto& category : categories_)
        if (category->Id == id)
            return category.get();
    return nullptr;
}

const TPlayCategory* TPlay::Category(int id) const {
    return const_cast<TPlay*>(this)->Category(id);
}

QList<TPlayCategory*> TPlay::Categories() const {
    QList<TPlayCategory*> result;
    for (const auto& category : categories_)
        result << category.get();
    return result;
}

QVariant TPlay::GetCategoryProp(int id, int property) const {
    const TPlayCategory* category = Category(id);
    if (!category)
        return {};
    switch (property) {
    case PropName:
        return category->Name;
    case PropReadOnly:
        return category->ReadOnly;
    case PropFixed:
        return category->Fixed;
    case PropKind:
        return static_cast<int>(category->Kind);
    default:
        return {};
    }
}

void TPlay::SetCategoryProp(int id, int property, const QVariant& value) {
    TPlayCategory* category = Category(id);
    if (!category)
        return;
    switch (property) {
    case PropName:
        category->Name = value.toString();
        break;
    case PropReadOnly:
        category->ReadOnly = value.toBool();
        break;
    case PropFixed:
        category->Fixed = value.toBool();
        break;
    case PropKind:
        category->Kind = static_cast<quint8>(value.toInt());
        break;
    default:
        break;
    }
}

int TPlay::IndexOfFile(const QString& fileName, int id) const {
    const TPlayCategory* category = Category(id);
    return category ? category->IndexOf(fileName) : -1;
}

void TPlay::DeleteSong(int id, int position, bool syncFileManager) {
    TPlayCategory* category = Category(id);
    if (!category || position < 0 || position >= category->Count())
        return;
    category->RemoveAt(position);
    if (id == kDefaultId)
        for (PlayListView* view : listViews_)
            view->RemoveRow(position);
    if (syncFileManager && FileManagerShows(id))
        fileManager_->SongDeleted(id, position);
}

void TPlay::MoveSong(int id, int from, int to) {
    TPlayCategory* category = Category(id);
    if (!category || from < 0 || to < 0 || from >= category->Count() || to >= category->Count() || from == to)
        return;
    category->Move(from, to);
    if (FileManagerShows(id))
        fileManager_->SongMoved(id, from, to);
}

int TPlay::CurrentIndex() const {
    return option_ ? option_->CurrentIndex() : ownCurrentIndex_;
}

void TPlay::SetCurrentIndex(int index) {
    if (option_) {
        option_->SetCurrentIndex(index);
    } else {
        ownCurrentIndex_ = index;
        ShowCurrentRow(index);
    }
}

void TPlay::ShowCurrentRow(int index) {
    const QList<PlayListView*> views = listViews_;
    for (PlayListView* view : views)
        view->SetCurrentRow(index);
}

QStringList TPlay::DefaultRows() const {
    QStringList rows;
    const TPlayCategory& songs = *categories_[0];
    rows.reserve(songs.Count());
    for (int i = 0; i < songs.Count(); ++i)
        rows << ListRowText(i + 1, songs.Song(i));
    return rows;
}

void TPlay::RefillViews(bool letEventsRun) {
    const QStringList rows = DefaultRows();
    // Iterate over a copy: a view may unregister while events run.
    const QList<PlayListView*> views = listViews_;
    for (PlayListView* view : views) {
        if (!listViews_.contains(view))
            continue;
        view->SetRows(rows, CurrentIndex());
        for (int i = 0; i < Default().Count(); ++i)
            if (Default().Song(i).Failed)
                view->SetRowFailed(i, true);
        if (letEventsRun)
            QCoreApplication::processEvents();
    }
}

void TPlay::SetSongFailed(int position, bool failed) {
    if (position < 0 || position >= Default().Count())
        return;
    TPlayItem& song = Default().Song(position);
    if (song.Failed == failed)
        return;
    song.Failed = failed;
    for (PlayListView* view : listViews_)
        view->SetRowFailed(position, failed);
}

void TPlay::Renumber(bool saveOnly) {
    if (fileManager_ && fileManager_->ShownCategory() >= 0)
        fileManager_->RowsRenumbered(fileManager_->ShownCategory());
    if (!saveOnly) {
        SetCurrentIndex(Default().IndexOf(current_.FileName));
        RefillViews(false);
    }
    SaveDefaultList();
}

void TPlay::RegisterListView(PlayListView* view) {
    if (!view || listViews_.contains(view))
        return;
    listViews_.append(view);
    view->SetRows(DefaultRows(), CurrentIndex());
}

void TPlay::UnregisterListView(PlayListView* view) {
    listViews_.removeAll(view);
}
