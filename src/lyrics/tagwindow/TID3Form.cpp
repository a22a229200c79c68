#include "TID3Form.h"

#include "GenreList.h"
#include "Messenger.h"
#include "ProgramFolder.h"
#include "TagFieldEdit.h"
#include "TPlay.h"
#include "OwnedWindow.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TID3Form::TID3Form(TID3FormContext context, const QString& fileName, QWidget* parent)
    : QWidget(parent, OwnedWindowFlags(parent)), context_(context), fileName_(fileName) {
    setObjectName(QStringLiteral("TID3Form"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Fill();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    LoadWindowPlacement(*this, context_.store);
}

void TID3Form::build() {
    auto* box = new QGroupBox(tr("TAG Information"), this);
    auto* form = new QFormLayout(box);
    auto edit = [&](const char* name, const QString& label, int length, TagFieldEdit*& field) {
        auto* e = new QLineEdit(box);
        e->setObjectName(QLatin1String(name));
        field = new TagFieldEdit(e, length);
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!filling_)
                setModified();
        });
        form->addRow(label, e);
        return e;
    };
    FileNameEdit = new QLineEdit(box);
    FileNameEdit->setObjectName(QStringLiteral("FileNameEdit"));
    FileNameEdit->setReadOnly(true);
    FileNameEdit->setMinimumWidth(320);
    form->addRow(tr("File:"), FileNameEdit);
    TitleEdit = edit("TitleEdit", tr("Title:"), kFieldLength, title_);
    ArtistEdit = edit("ArtistEdit", tr("Artist:"), kFieldLength, artist_);
    AlbumEdit = edit("AlbumEdit", tr("Album:"), kFieldLength, album_);
    YearEdit = edit("YearEdit", tr("Year:"), kYearLength, year_);
    CommentEdit = edit("CommentEdit", tr("Comment:"), kFieldLength, comment_);

    GenreList = new QComboBox(box);
    GenreList->setObjectName(QStringLiteral("GenreList"));
    for (const char* name : kGenreNames)
        GenreList->addItem(QString::fromLatin1(name));
    connect(GenreList, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            setModified();
    });
    form->addRow(tr("Genre:"), GenreList);

    auto* lyricsRow = new QHBoxLayout;
    LrcEdit = new QLineEdit(box);
    LrcEdit->setObjectName(QStringLiteral("LrcEdit"));
    lyricsName_ = new TagFieldEdit(LrcEdit, kFieldLength);
    connect(LrcEdit, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            setModified();
    });
    auto* open = new QToolButton(box);
    open->setObjectName(QStringLiteral("OpenLyricsButton"));
    open->setText(QStringLiteral("..."));
    open->setToolTip(tr("Explorer"));
    connect(open, &QToolButton::clicked, this, &TID3Form::SelectLyrics);
    lyricsRow->addWidget(LrcEdit);
    lyricsRow->addWidget(open);
    form->addRow(tr("Lyrics File:"), lyricsRow);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text, void (TID3Form::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    buttons->addStretch();
    button("SaveButton", tr("Save"), &TID3Form::Save);
    button("UndoButton", tr("Undo"), &TID3Form::Fill);
    button("ClearButton", tr("Clear"), &TID3Form::Clear);

    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(buttons);
}

void TID3Form::Fill() {
    TSongTag tag = UnreadTag();
    context_.play.GetTag(fileName_, tag);
    filling_ = true;
    FileNameEdit->setText(fileName_);
    setWindowTitle(tr("%1 - ID3 Tag").arg(DisplayTitle(fileName_, tag)));
    filled_ = tag;
    title_->Fill(TagBytes(tag.Title));
    artist_->Fill(TagBytes(tag.Artist));
    album_->Fill(TagBytes(tag.Album));
    year_->Fill(TagBytes(tag.Year));
    comment_->Fill(TagBytes(tag.Comment));
    lyricsName_->Fill(TagBytes(tag.LyricsName));
    GenreList->setCurrentIndex(GenreIndex(tag.Genre));
    filling_ = false;
    modified_ = false;
}

TSongTag TID3Form::editedTag() const {
    // Fields the user did not change keep their bytes, whatever encoding they are in.
    TSongTag tag;
    SetTagBytes(tag.Title, title_->Bytes());
    SetTagBytes(tag.Artist, artist_->Bytes());
    SetTagBytes(tag.Album, album_->Bytes());
    SetTagBytes(tag.Year, year_->Bytes());
    SetTagBytes(tag.Comment, comment_->Bytes());
    SetTagBytes(tag.LyricsName, lyricsName_->BytesFor(QFileInfo(LrcEdit->text()).fileName()));
    tag.Genre = GenreByte(GenreList->currentIndex(), filled_.Genre);
    return tag;
}

void TID3Form::Save() {
    if (!modified_)
        return;
    filled_ = editedTag();
    context_.play.SetTag(fileName_, filled_);
    modified_ = false;
    // The caption follows a changed title.
    TSongTag tag = UnreadTag();
    context_.play.GetTag(fileName_, tag);
    setWindowTitle(tr("%1 - ID3 Tag").arg(DisplayTitle(fileName_, tag)));
}

void TID3Form::Clear() {
    for (QLineEdit* e : {TitleEdit, ArtistEdit, AlbumEdit, YearEdit, CommentEdit, LrcEdit})
        e->clear();
    GenreList->setCurrentIndex(0);
    setModified();
}

void TID3Form::SelectLyrics() {
    const QString chosen = context_.messenger.Modal([](DialogLayer& dialogs) {
        return dialogs.OpenFile(tr("Select Lyrics"), LyricsFolder(),
                                tr("LyricsFiles(*.lrc)"));
    });
    if (chosen.isEmpty())
        return;
    LrcEdit->setText(QFileInfo(chosen).fileName());
    setModified();
}

void TID3Form::closeEvent(QCloseEvent* event) {
    if (modified_)
        Save();
    SaveWindowPlacement(*this, context_.store);
    event->accept();
}

void TID3Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
