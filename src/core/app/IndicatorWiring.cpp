#include "IndicatorWiring.h"

#include "LyricsLayer.h"
#include "PlayerApplication.h"
#include "SkinLayer.h"
#include "TID3Forms.h"
#include "TLrcForm.h"
#include "TOption.h"

namespace {
constexpr int kLyricsShown = 3;
constexpr int kTagWindowOpen = 4;
constexpr int kLyricsFound = 8;
} // namespace

void ConnectWindowIndicators(PlayerApplication& player) {
    SkinLayer& skin = player.skin();
    LyricsLayer& lyrics = player.lyrics();
    QObject::connect(&lyrics, &LyricsLayer::lyricsShownChanged, &skin,
                     [&skin](bool shown) { skin.SetGroupValue(kLyricsShown, shown ? 1 : 0); });
    QObject::connect(&lyrics, &LyricsLayer::tagWindowsChanged, &skin,
                     [&skin](int count) { skin.SetGroupValue(kTagWindowOpen, count > 0 ? 1 : 0); });
    QObject::connect(&lyrics, &LyricsLayer::lyricsFoundChanged, &skin,
                     [&skin](bool found) { skin.SetGroupValue(kLyricsFound, found ? 1 : 0); });
    QObject::connect(&player.option(), &TOption::loaded, &skin, [&skin, &lyrics] {
        const TLrcForm* window = lyrics.lyricsWindow();
        skin.SetGroupValue(kLyricsShown, window && window->isVisible() ? 1 : 0);
        skin.SetGroupValue(kLyricsFound, window && window->LyricsLoaded() ? 1 : 0);
        skin.SetGroupValue(kTagWindowOpen, lyrics.tagWindows() && lyrics.tagWindows()->Count() > 0 ? 1 : 0);
    });
}
