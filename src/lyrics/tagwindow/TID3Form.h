#pragma once

#include "SongTag.h"

#include <QWidget>

class Messenger;
class OptionsStore;
class QComboBox;
class QLineEdit;
class TPlay;
class TagFieldEdit;

// What a tag window works with.
struct TID3FormContext {
    TPlay& play;          // reads and writes tags (GetTag, SetTag)
    Messenger& messenger; // the lyrics file chooser
    OptionsStore& store;  // the window's placement
    QWidget* owner = nullptr; // the main window: tag windows stack above it
};

// The tag window of one song: its ID3v1 fields, its genre and the name of its
// lyrics file. Changes are written with Save, and on close when something was
// changed.
class TID3Form : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFieldLength = 30;
    static constexpr int kYearLength = 4;

    TID3Form(TID3FormContext context, const QString& fileName, QWidget* parent = nullptr);

    const QString& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }

    // Fills the window from the song's tag (a pending edit first); Undo.
    void Fill();
    void Save();  // SaveButton
    void Clear(); // ClearButton
    // OpenLyricsButton: chooses a lyrics file; only its name is kept.
    void SelectLyrics();

    QLineEdit* FileNameEdit = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QLineEdit* ArtistEdit = nullptr;
    QLineEdit* AlbumEdit = nullptr;
    QLineEdit* YearEdit = nullptr;
    QLineEdit* CommentEdit = nullptr;
    QLineEdit* LrcEdit = nullptr;
    QComboBox* GenreList = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void setModified() { modified_ = true; }
    TSongTag editedTag() const;

    TID3FormContext context_;
    // The tag as the window was filled with it (its genre byte is kept when the
    // genre is not changed).
    TSongTag filled_;
    TagFieldEdit* title_ = nullptr;
    TagFieldEdit* artist_ = nullptr;
    TagFieldEdit* album_ = nullptr;
    TagFieldEdit* year_ = nullptr;
    TagFieldEdit* comment_ = nullptr;
    TagFieldEdit* lyricsName_ = nullptr;
    QString fileName_;
    bool modified_ = false;
    bool filling_ = false;
};
