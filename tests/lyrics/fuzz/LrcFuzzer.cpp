// Arbitrary bytes as a lyrics file: read, sort, build display lines, and run the
// editor's two writing forms, its colouring and its time stamps over the same
// text split into lines. Checks the record's invariants on the way.
#include "LrcDisplayLines.h"
#include "LrcEditText.h"
#include "LrcParser.h"
#include "LrcWriter.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    TLrcRec rec;
    ParseLrcBytes(bytes, rec);
    SortLrcRec(rec);
    if (rec.Count != rec.Times.size() || rec.Count != rec.Lines.size())
        abort();
    for (qsizetype i = 0; i < rec.Times.size(); ++i) {
        if (rec.Times[i] < 0 || (i > 0 && rec.Times[i - 1] > rec.Times[i]))
            abort();
    }

    const TLrcRec display = BuildDisplayLines(rec);
    if (display.Count < 1 || display.Times.last() != kLrcEndTime ||
        display.Lines.size() != display.Times.size())
        abort();

    const QStringList lines = DecodeText(bytes).split(u'\n');
    (void)FormatLrcForSave(lines);
    TLrcRec work;
    const QStringList sorted = SortLrcLinesByTime(lines, work);
    if (sorted.size() > lines.size() + work.Count)
        abort();

    // Colouring stays inside the line; a stamp keeps the caret inside it.
    for (const QString& line : lines) {
        for (const LrcInkSpan& span : LrcLineInk(line))
            if (span.start < 0 || span.length < 0 || span.start + span.length > line.size())
                abort();
        const int column = static_cast<int>(line.size() / 2);
        for (const LrcEditLine& stamped :
             {InsertTimeTag({line, column}, QStringLiteral("01:02.3")), ReplaceFirstTimeTag({line, column}, QStringLiteral("01:02.3"))})
            if (stamped.column < 0 || stamped.column > stamped.text.size() || !stamped.text.startsWith(u"[01:02.3]"))
                abort();
    }
    return 0;
}
