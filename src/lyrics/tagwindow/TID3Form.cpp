#include "TID3Form.h"

#include "GenreList.h"
#include "Messenger.h"
#include "ProgramFolder.h"
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
    auto* box = new QGroupBox(QStringLiteral("TAG Information"), this);
    auto* form = new QFormLayout(box);
    auto edit = [&](const char* name, const QString& label, int length) {
        auto* e = new QLineEdit(box);
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(length);
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
    form->addRow(QStringLiteral("File:"), FileNameEdit);
    TitleEdit = edit("TitleEdit", QStringLiteral("Title:"), kFieldLength);
    ArtistEdit = edit("ArtistEdit", QStringLiteral("Artist:"), kFieldLength);
    AlbumEdit = edit("AlbumEdit", QStringLiteral("Album:"), kFieldLength);
    YearEdit = edit("YearEdit", QStringLiteral("Year:"), kYearLength);
    CommentEdit = edit("CommentEdit", QStringLiteral("Comment:"), kFieldLength);

    GenreList = new QComboBox(box);
    GenreList->setObjectName(QStringLiteral("GenreList"));
    for (int i = 0; i < kGenreCount; ++i)
        GenreList->addItem(GenreName(i));
    connect(GenreList, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            setModified();
    });
    form->addRow(QStringLiteral("Genre:"), GenreList);

    auto* lyricsRow = new QHBoxLayout;
    LrcEdit = new QLineEdit(box);
    LrcEdit->setObjectName(QStringLiteral("LrcEdit"));
    LrcEdit->setMaxLength(kFieldLength);
    connect(LrcEdit, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            setModified();
    });
    auto* open = new QToolButton(box);
    open->setObjectName(QStringLiteral("OpenLyricsButton"));
    open->setText(QStringLiteral("..."));
    open->setToolTip(QStringLiteral("Explorer"));
    connect(open, &QToolButton::clicked, this, &TID3Form::SelectLyrics);
    lyricsRow->addWidget(LrcEdit);
    lyricsRow->addWidget(open);
    form->addRow(QStringLiteral("Lyrics File:"), lyricsRow);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text, void (TID3Form::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    buttons->addStretch();
    button("SaveButton", QStringLiteral("Save"), &TID3Form::Save);
    button("UndoButton", QStringLiteral("Undo"), &TID3Form::Fill);
    button("ClearButton", QStringLiteral("Clear"), &TID3Form::Clear);

    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(buttons);
}

void TID3Form::Fill() {
    TSongTag tag = UnreadTag();
    context_.play.GetTag(fileName_, tag);
    filling_ = true;
    FileNameEdit->setText(fileName_);
    setWindowTitle(DisplayTitle(fileName_, tag) + QStringLiteral(" - ID3 Tag"));
    TitleEdit->setText(TagText(tag.Title));
    ArtistEdit->setText(TagText(tag.Artist));
    AlbumEdit->setText(TagText(tag.Album));
    YearEdit->setText(TagText(tag.Year));
    CommentEdit->setText(TagText(tag.Comment));
    LrcEdit->setText(TagText(tag.LyricsName));
    GenreList->setCurrentIndex(GenreIndex(tag.Genre));
    filling_ = false;
    modified_ = false;
}

void TID3Form::Save() {
    if (!modified_)
        return;
    const QString lyricsName = QFileInfo(LrcEdit->text()).fileName();
    context_.play.SetTag(fileName_, TitleEdit->text(), GenreList->currentIndex(), YearEdit->text(),
                         lyricsName, CommentEdit->text(), AlbumEdit->text(), ArtistEdit->text());
    modified_ = false;
    // The caption follows a changed title.
    TSongTag tag = UnreadTag();
    context_.play.GetTag(fileName_, tag);
    setWindowTitle(DisplayTitle(fileName_, tag) + QStringLiteral(" - ID3 Tag"));
}

void TID3Form::Clear() {
    for (QLineEdit* e : {TitleEdit, ArtistEdit, AlbumEdit, YearEdit, CommentEdit, LrcEdit})
        e->clear();
    GenreList->setCurrentIndex(0);
    setModified();
}

void TID3Form::SelectLyrics() {
    const QString chosen = context_.messenger.Modal([](DialogLayer& dialogs) {
        return dialogs.OpenFile(QStringLiteral("Select Lyrics"), LyricsFolder(),
                                QStringLiteral("LyricsFiles(*.lrc)"));
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
