#pragma once

#include <QString>
#include <QStringView>

// LRC time tags. The accepted forms are exactly "[mm:ss]", "[mm:ss.f]",
// "[mm:ss.ff]" and "[mm:ss.fff]": two minute digits, two second digits (not
// limited to 59), and a fraction of one to three digits of which only the first
// (the tenths) counts. The tag must stand at the very start of the text.

// Matches one time tag at the start of text. Returns the tag's length in
// characters and stores its time in tenths in *time, or returns 0 when the text
// does not start with a valid tag. Looks at no more than the tag's first 11
// characters, so scanning a long run of tags stays linear.
qsizetype MatchTimeTag(QStringView text, qint32* time);

// Parses the time tag at the start of s. On success removes the tag from s and
// returns its time in tenths; otherwise returns -1 and leaves s unchanged.
qint32 ParseTimeTag(QString& s);

// The text left after removing every time tag at the start of line.
QString StripTimeTags(const QString& line);

// "mm:ss.t" (623 gives "01:02.3"). Minutes are not limited: 100 minutes and more
// give three minute digits, which no longer form a time tag when read back.
QString FormatLrcTime(qint32 time);
