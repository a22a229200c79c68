#include "LrcDisplayLines.h"

#include <algorithm>

TLrcRec BuildDisplayLines(const TLrcRec& rec) {
    TLrcRec display;
    display.Segmented = rec.Segmented;
    const qsizetype n = std::min(rec.Lines.size(), rec.Times.size());
    if (!rec.Segmented) {
        display.Lines = rec.Lines.mid(0, n);
        display.Times = rec.Times.mid(0, n);
    } else {
        // The first display line waits for its first text to learn its time.
        QString text;
        qint32 time = 0;
        bool waiting = true;
        for (qsizetype i = 0; i < n; ++i) {
            if (!rec.Lines[i].isEmpty()) {
                text += rec.Lines[i];
                if (waiting) {
                    time = rec.Times[i];
                    waiting = false;
                }
            } else {
                display.Lines.append(text);
                display.Times.append(time);
                text.clear();
                time = rec.Times[i];
                waiting = true;
            }
        }
        display.Lines.append(text);
        display.Times.append(time);
    }
    display.Append(kLrcEndTime, QString());
    return display;
}

QString CapLyricsLine(const QString& text) {
    if (text.size() <= kMaxLyricsLineChars)
        return text;
    qsizetype cut = kMaxLyricsLineChars;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}
