#include "LrcParser.h"

#include "LrcTimeTag.h"
#include "RegularFile.h"
#include "TextCodec.h"

#include <algorithm>
#include <QFile>

namespace {

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 0x20;
}

bool StartsWithNoCase(QStringView line, QStringView prefix) {
    return line.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

QStringView TrimLrcLine(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && IsBlankOrControl(line[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

bool IsLrcInfoLine(QStringView line) {
    return line.isEmpty() || StartsWithNoCase(line, u"[ar:") || StartsWithNoCase(line, u"[al:") ||
           StartsWithNoCase(line, u"[ti:") || StartsWithNoCase(line, u"[offset:");
}

LrcLineKind ClassifyLrcLine(QStringView line) {
    if (line.compare(u"[segmented]", Qt::CaseInsensitive) == 0)
        return kLrcSegmentedLine;
    const bool closed = line.endsWith(u']');
    if (StartsWithNoCase(line, u"[by:"))
        return closed ? kLrcByLine : kLrcOtherLine;
    if (StartsWithNoCase(line, u"[ly:"))
        return closed ? kLrcLyLine : kLrcOtherLine;
    if (StartsWithNoCase(line, u"[co:"))
        return closed ? kLrcCoLine : kLrcOtherLine;
    qint32 time = 0;
    return MatchTimeTag(line, &time) > 0 ? kLrcTimedLine : kLrcOtherLine;
}

void AddTimedLine(QStringView line, TLrcRec& rec) {
    const qsizetype first = rec.Times.size();
    qsizetype start = 0;
    qint32 time = 0;
    while (const qsizetype length = MatchTimeTag(line.sliced(start), &time)) {
        rec.Times.append(time);
        start += length;
    }
    // Every entry of the line shares the one text.
    const QString text = line.sliced(start).toString();
    for (qsizetype i = first; i < rec.Times.size(); ++i)
        rec.Lines.append(text);
    rec.Count = static_cast<qint32>(rec.Times.size());
}

void ParseLrcText(QStringView text, TLrcRec& rec) {
    rec.Clear();
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = TrimLrcLine(text.sliced(pos, end - pos));
        // Step over the line break: CR LF, LF or a lone CR.
        pos = end;
        if (pos < text.size())
            pos += (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') ? 2 : 1;
        if (IsLrcInfoLine(line))
            continue;
        switch (ClassifyLrcLine(line)) {
        case kLrcTimedLine:
            AddTimedLine(line, rec);
            break;
        case kLrcSegmentedLine:
            rec.Segmented = true;
            break;
        default:
            break;
        }
    }
}

void ParseLrcBytes(const QByteArray& bytes, TLrcRec& rec) {
    const QString text = DecodeText(bytes);
    ParseLrcText(text, rec);
}

bool LoadLrcFile(const QString& fileName, TLrcRec& rec) {
    rec.Clear();
    // Only regular files: a FIFO or device named like a lyrics file would block
    // or never end.
    QFile file;
    if (fileName.isEmpty() || !OpenRegularFile(file, fileName))
        return false;
    QByteArray bytes = file.read(kMaxLrcFileBytes + 1);
    if (bytes.size() > kMaxLrcFileBytes) {
        // Keep whole lines only, so a character is never cut in half.
        bytes.truncate(kMaxLrcFileBytes);
        const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(lastBreak < 0 ? 0 : lastBreak);
    }
    ParseLrcBytes(bytes, rec);
    return true;
}
