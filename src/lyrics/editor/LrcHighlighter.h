#pragma once

#include <QColor>
#include <QSyntaxHighlighter>

// Colours the lyrics editor's lines by their kind: the time inside each
// leading time tag blue, "[co:", "[ly:", "[by:" and "[segmented]" lines navy,
// every other line (comments, "[ti:" and the like) grey. Brackets and lyric
// text keep the memo's own ink.
class LrcHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    static inline const QColor kTagColour{0x00, 0x00, 0xFF};
    static inline const QColor kHeaderColour{0x00, 0x00, 0x80};
    static inline const QColor kCommentColour{0x80, 0x80, 0x80};

    explicit LrcHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};
