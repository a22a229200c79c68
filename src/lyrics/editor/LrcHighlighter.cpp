#include "LrcHighlighter.h"

#include "LrcEditText.h"

LrcHighlighter::LrcHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void LrcHighlighter::highlightBlock(const QString& text) {
    for (const LrcInkSpan& span : LrcLineInk(text)) {
        switch (span.ink) {
        case LrcInk::TagTime:
            setFormat(span.start, span.length, kTagColour);
            break;
        case LrcInk::Header:
            setFormat(span.start, span.length, kHeaderColour);
            break;
        case LrcInk::Comment:
            setFormat(span.start, span.length, kCommentColour);
            break;
        }
    }
}
