// The running player (its objects in this process, dialogs scripted) with the
// formats plug-in it writes out: the open dialog offers the plug-in's types,
// and of the songs chosen there a text file named ".ogg" fails with its reason
// in the title display and on its row, without a message box, while the FLAC
// after it plays.
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "SkinLayer.h"
#include "TInfomation.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "TempHome.h"
#include "../sndfile/SoundFixtures.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(PlayerFormats, TheOpenDialogOffersThePluginTypesAndAFailedSongSaysWhyWithoutAMessageBox) {
    TempHome home;
    const QString text = home.write("songs/broken.ogg", QByteArray("Not a song.\n").repeated(200));
    const QString flac = home.file("songs/tone.flac");
    ASSERT_TRUE(SoundFixtures::MakeTone(flac, 440, 3));

    ScriptedDialogs dialogs;
    dialogs.files = {text, flac};
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();
    EXPECT_TRUE(QFile::exists(home.file("Plusin/sndfile.so")));
    QSignalSpy failures(&player.control(), &TPlayControl::songFailed);

    player.DoCommand("#OpenFile");
    EXPECT_TRUE(dialogs.lastFilter.contains("*.flac *.ogg *.oga *.opus *.wav *.aif *.aiff"))
        << dialogs.lastFilter.toStdString();
    ASSERT_EQ(player.play().Default().Count(), 2);

    player.DoCommand("#Play,"  + text);
    ASSERT_TRUE(WaitFor([&] { return player.option().Status() == StatusPlaying; }, 10000));
    EXPECT_EQ(player.play().Current().FileName, flac);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0][1].toString(), "cannot play: not an audio file");
    EXPECT_TRUE(player.play().Default().Song(0).Failed);
    EXPECT_TRUE(player.skin().information().NoticeShown());
    for (const ScriptedDialogs::Shown& shown : dialogs.shown)
        EXPECT_EQ(shown.kind, "open") << "a " << shown.kind.toStdString() << ": " << shown.text.toStdString();
    player.DoCommand("#Exit");
}

} // namespace
