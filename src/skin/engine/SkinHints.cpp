#include "SkinHints.h"

#include <QCoreApplication>

namespace {
const char* const kDefaultSkinHints[] = {
    QT_TRANSLATE_NOOP("SkinHint", "Always on Top"),
    QT_TRANSLATE_NOOP("SkinHint", "Balance"),
    QT_TRANSLATE_NOOP("SkinHint", "Close"),
    QT_TRANSLATE_NOOP("SkinHint", "Elapsed / Remaining Time"),
    QT_TRANSLATE_NOOP("SkinHint", "Exit"),
    QT_TRANSLATE_NOOP("SkinHint", "Forward"),
    QT_TRANSLATE_NOOP("SkinHint", "Full Screen"),
    QT_TRANSLATE_NOOP("SkinHint", "Lyrics"),
    QT_TRANSLATE_NOOP("SkinHint", "Minimize"),
    QT_TRANSLATE_NOOP("SkinHint", "More Controls"),
    QT_TRANSLATE_NOOP("SkinHint", "Mute"),
    QT_TRANSLATE_NOOP("SkinHint", "Next"),
    QT_TRANSLATE_NOOP("SkinHint", "Normal Mode"),
    QT_TRANSLATE_NOOP("SkinHint", "Open Files"),
    QT_TRANSLATE_NOOP("SkinHint", "Open URL"),
    QT_TRANSLATE_NOOP("SkinHint", "Options"),
    QT_TRANSLATE_NOOP("SkinHint", "Pause"),
    QT_TRANSLATE_NOOP("SkinHint", "Play / Pause"),
    QT_TRANSLATE_NOOP("SkinHint", "Play / Stop"),
    QT_TRANSLATE_NOOP("SkinHint", "Playlist"),
    QT_TRANSLATE_NOOP("SkinHint", "Position"),
    QT_TRANSLATE_NOOP("SkinHint", "Previous"),
    QT_TRANSLATE_NOOP("SkinHint", "Repeat"),
    QT_TRANSLATE_NOOP("SkinHint", "Rewind"),
    QT_TRANSLATE_NOOP("SkinHint", "Shuffle"),
    QT_TRANSLATE_NOOP("SkinHint", "Song Information"),
    QT_TRANSLATE_NOOP("SkinHint", "Stop"),
    QT_TRANSLATE_NOOP("SkinHint", "Video Mode"),
    QT_TRANSLATE_NOOP("SkinHint", "Video window (double-click)"),
    QT_TRANSLATE_NOOP("SkinHint", "Volume"),
    QT_TRANSLATE_NOOP("SkinHint", "Window Mode"),
};
} // namespace

QString SkinHintText(const QString& hint) {
    if (hint.isEmpty())
        return hint;
    return QCoreApplication::translate("SkinHint", hint.toUtf8().constData());
}

QStringList DefaultSkinHints() {
    QStringList hints;
    for (const char* hint : kDefaultSkinHints)
        hints << QString::fromUtf8(hint);
    return hints;
}
