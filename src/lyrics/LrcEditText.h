#pragma once

#include <QList>
#include <QString>
#include <optional>

// The lyrics editor's text operations, without widgets: stamping the play time
// into a line, the text of the play-time panel, the colouring of a line by its
// kind and reading a file into the editor.

// A line of the editor and the caret's column in it.
struct LrcEditLine {
    QString text;
    int column = 0;
    bool operator==(const LrcEditLine&) const = default;
};

// The play-time panel: "mm:ss.t" of the position while playing, "00:00.0"
// otherwise.
QString LrcPlayTimeText(bool playing, int positionTenths);

// Insert time: "[" + timeText + "]" in front of the line; the caret moves
// right by the tag's length, so it stays after the same character of the text
// (nine characters for "mm:ss.t", more for times of 100 minutes and beyond).
LrcEditLine InsertTimeTag(const LrcEditLine& line, const QString& timeText);

// Modify time: the trimmed line loses its first time tag (if it has one) and
// gets "[" + timeText + "]" in front; further tags stay. The caret keeps its
// distance from the line's end (clamped to the line).
LrcEditLine ReplaceFirstTimeTag(const LrcEditLine& line, const QString& timeText);

// How the editor colours a stretch of a line.
enum class LrcInk { TagTime, Header, Comment };

struct LrcInkSpan {
    int start = 0;
    int length = 0;
    LrcInk ink = LrcInk::Comment;
    bool operator==(const LrcInkSpan&) const = default;
};

// Coloured stretches of one editor line, by its kind: in a timed line the
// inside of each leading time tag (the brackets and the lyric text keep the
// plain ink); "[co:", "[ly:", "[by:" and "[segmented]" lines whole as headers;
// any other non-blank line whole as a comment. Positions are in the untrimmed
// line.
QList<LrcInkSpan> LrcLineInk(const QString& line);

// The text of a lyrics file for the editor (UTF-8, else GB18030, else Latin-1;
// line ends made "\n"). Nothing when the file is not a regular readable file or
// is larger than any lyrics file (the editor would save a cut-off text back).
std::optional<QString> ReadLrcEditorText(const QString& fileName);
