#include "LyricsEditorPage.h"

#include "LyricsLayer.h"
#include "PlayerApplication.h"
#include "ProgramFolder.h"
#include "TLrcEditForm.h"
#include "TLrcForm.h"
#include "TOption.h"

WorkPage* CreateLyricsEditorPage(PlayerApplication& p, QWidget* parent) {
    TLrcEditFormContext context{
        p.messenger(),
        [&p] { return p.option().Playing(); },
        [&p] { return p.option().PositionTenthsNow(); },
        [&p] { return p.option().RecentFolder(); },
        LyricsFolder(),
        // The lyrics window shows the given file for the current song (and
        // nothing while there is no current song).
        [&p](const QString& file) {
            p.DoCommand(QStringLiteral("#Lyrics"));
            if (TLrcForm* lyrics = p.lyrics().lyricsWindow())
                lyrics->LoadLyrics(file);
        },
        [&p](const QString& command) { p.DoCommand(command); },
    };
    return new TLrcEditForm(std::move(context), parent);
}
