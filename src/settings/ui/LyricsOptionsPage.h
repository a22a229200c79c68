#pragma once

#include "ColorText.h"
#include "FontCodec.h"

#include <QList>
#include <QWidget>

struct OptionFormPorts;
class ColorBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The options window's "Lrc Shower" page: the lyrics window's colours, its two
// fonts (the list of lines and the karaoke band) and its background picture.
// Every change is written to [LYRICS] at once and the open lyrics window
// follows; only typing a picture name waits for Accept.
class LyricsOptionsPage : public QWidget {
    Q_OBJECT
public:
    LyricsOptionsPage(const OptionFormPorts& ports, QWidget* parent = nullptr);

    // Fills the page from the settings without writing anything.
    void Fill();
    // The picture name typed into BitmapEdit, written by Accept when it
    // differs from the stored one.
    void ApplyPicture();

    // The buttons' work, callable by tests.
    void SelectColor(ColorBox* box);
    void ChooseFont(bool band);
    void ExplorerClick();
    void ClearClick();

    QLineEdit* BitmapEdit() const { return bitmapEdit_; }
    ColorBox* BkgColorBox() const { return boxes_[0]; }
    ColorBox* FontColorBox() const { return boxes_[1]; }
    ColorBox* OutlineColorBox() const { return boxes_[2]; }
    ColorBox* RectColorBox() const { return boxes_[3]; }
    ColorBox* DyFontColorBox() const { return boxes_[4]; }
    ColorBox* DyOutlineColorBox() const { return boxes_[5]; }
    ColorBox* DyRectColorBox() const { return boxes_[6]; }
    const QList<ColorBox*>& ColorBoxes() const { return boxes_; }
    QCheckBox* AutoFetchCheckBox() const { return autoFetch_; }

signals:
    // The user typed into BitmapEdit.
    void pictureEdited();

private:
    ColorBox* addColorBox(const char* key);
    QPushButton* selectButton(ColorBox* box, const char* name);
    QPushButton* fontButton(bool band, const char* name);
    void colorChanged(ColorBox* box);
    void writePicture(const QString& file);
    void reloadLyrics();

    const OptionFormPorts& ports_;
    bool loading_ = false;
    FontSpec font_;     // FONT
    FontSpec bandFont_; // DFONT
    QList<ColorBox*> boxes_;
    QLineEdit* bitmapEdit_ = nullptr;
    QCheckBox* autoFetch_ = nullptr;
};
