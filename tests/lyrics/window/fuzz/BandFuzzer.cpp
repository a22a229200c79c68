// Arbitrary LRC bytes through the reader, the display lines and every layout
// of the karaoke band, at positions across the whole song and in bands of
// several sizes. Text is measured at a fixed width per character, so no
// display is needed.
#include "KaraokeBand.h"
#include "LrcDisplayLines.h"
#include "LrcParser.h"
#include "LyricsScroll.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first byte picks the band, the rest is the lyrics file.
    const int shape = data[0];
    TLrcRec lrc;
    ParseLrcBytes(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)), lrc);
    SortLrcRec(lrc);
    // As the lyrics window loads them: every line cut once.
    for (QString& line : lrc.Lines)
        line = CapLyricsLine(line);
    TLrcRec lines = BuildDisplayLines(lrc);
    for (QString& line : lines.Lines)
        line = CapLyricsLine(line);
    const QSize band(1 + (shape & 0x0F) * 40, 10 + (shape >> 4) * 8);
    const int perChar = 1 + (shape & 0x03) * 7;
    const TextWidth width = [perChar](const QString& s) { return int(s.size()) * perChar; };

    TKaraokeBand k;
    const int last = lrc.Times.isEmpty() ? 0 : lrc.Times.last();
    const int step = std::max(1, last / 200);
    for (int position = 0; position <= last + 30; position += step) {
        BandInput in;
        in.lrc = &lrc;
        in.displayLines = &lines;
        in.playing = true;
        in.positionTenths = position;
        in.engineTimeTenths = position / 10 * 10;
        in.size = band;
        in.bandLineHeight = 12;
        in.currentLine = CurrentLineAt(lines, true, position);
        for (const BandPiece& piece : k.Update(in, width)) {
            if (piece.swept > width(piece.text))
                __builtin_trap(); // a sweep never runs past its text
        }
    }
    // A seek backwards lays out anew.
    BandInput back;
    back.lrc = &lrc;
    back.displayLines = &lines;
    back.playing = true;
    back.size = band;
    back.bandLineHeight = 12;
    back.currentLine = CurrentLineAt(lines, true, 1);
    k.Update(back, width);
    return 0;
}
