#include "LyricsScroll.h"

#include <algorithm>

int CurrentLineAt(const TLrcRec& displayLines, bool playing, int positionTenths) {
    if (!playing)
        return -1;
    const auto& times = displayLines.Times;
    const auto first =
        std::find_if(times.begin(), times.end(), [&](qint32 t) { return t >= positionTenths; });
    if (first == times.end())
        return -1; // no line at or after the position: nothing is current
    return int(first - times.begin()) - 1;
}

int AutoScroll(int scroll, bool playing, int currentLine, int lineHeight, int listHeight) {
    if (!playing)
        return 0;
    if (listHeight < 2 * lineHeight)
        return std::max(currentLine, 0) * lineHeight;
    const long long bottom = (static_cast<long long>(currentLine) + 2) * lineHeight;
    if (scroll < bottom - listHeight || scroll > bottom)
        return int(bottom - listHeight);
    return scroll;
}

int DragScroll(int scroll, int pressedY, int currentY, int lineHeight, int lineCount, int listHeight) {
    long long s = static_cast<long long>(pressedY) + scroll - currentY;
    s = std::max(s, 0LL);
    s = std::min(s, static_cast<long long>(lineHeight) * lineCount - listHeight);
    return int(s);
}

int ArrowStep(bool modifier) {
    return modifier ? 30 : 5;
}

int ScrollUp(int scroll, int step) {
    return std::max(scroll - step, 0);
}

int ScrollDown(int scroll, int step, int lineHeight, int lineCount, int panelHeight) {
    return int(std::min(static_cast<long long>(scroll) + step,
                        static_cast<long long>(lineHeight) * lineCount - panelHeight));
}
