#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <map>
#include <utility>

// Finished pictures of the lyrics list's lines, kept while the lines are in
// view. A line change scrolls the list by a line and moves the highlight, so
// without them every line in view would be shaped, drawn and outlined again
// although only two of them changed colour and one came into view.
//
// A picture is the line's text in its colour with its one-pixel outline, on
// the key colour, exactly as the line looks when drawn and outlined in place;
// it is stored with a three-colour table to keep it small.
class LyricsLinePictures {
public:
    struct Style {
        QFont font; // drawn without antialiasing
        QRgb normal = 0;
        QRgb active = 0; // the current line's colour
        QRgb outline = 0;
    };
    struct Picture {
        QImage image;
        QPoint offset; // of the image's top-left from the line's text origin on its baseline
    };

    // The picture of line `index` showing `text`, in the active colour when
    // `current`. `serial` changes whenever the lines, the font or the colours
    // change; pictures of another serial are never handed out.
    const Picture& Of(int index, bool current, const QString& text, const Style& style, quint64 serial);
    // Forgets the pictures of the lines outside first..last.
    void KeepOnly(int first, int last);
    int Count() const { return int(pictures_.size()); }

private:
    quint64 serial_ = 0;
    std::map<std::pair<int, bool>, Picture> pictures_;
};
