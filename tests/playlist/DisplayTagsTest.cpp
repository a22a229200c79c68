// Titles, artists and albums from the tags other programs write (ID3v2,
// Vorbis comments, RIFF INFO) in the play list, when a file has no ID3v1 block;
// the ID3v1 block stays what the store reads first and what it writes.
#include "RecordingViews.h"
#include "TagFile.h"
#include "TempHome.h"
#include "TPlay.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Runs a tagging tool under a UTF-8 locale, as a user's desktop would.
bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return ok;
}

QString Tone(const TempHome& home, const QString& name) {
    const QString path = home.file(name);
    RunTool("sox", {"-n", "-r", "44100", "-c", "1", "-b", "16", path, "synth", "0.3", "sine", "440"});
    return path;
}

// A WAV with a LIST/INFO chunk naming title, artist and album (UTF-8 text).
QString WaveWithInfo(const TempHome& home, const QString& name, const QString& title, const QString& artist,
                     const QString& album) {
    const QString path = Tone(home, name);
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    QByteArray bytes = file.readAll();
    QByteArray info = "INFO";
    for (const auto& [id, text] : {std::pair{"INAM", title}, std::pair{"IART", artist}, std::pair{"IPRD", album}}) {
        QByteArray value = text.toUtf8() + '\0';
        if (value.size() % 2)
            value += '\0';
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(static_cast<quint32>(value.size()), size.data());
        info += QByteArray(id) + size + value;
    }
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(info.size()), size.data());
    bytes += "LIST" + size + info;
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size() - 8), bytes.data() + 4);
    file.seek(0);
    file.write(bytes);
    return path;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct Expected {
    QString title, artist, album;
};

TEST(DisplayTags, RowsShowTheTagsEachKindOfFileCarries) {
    TempHome home;
    const QString mp3Source = Tone(home, "source.wav");
    auto mp3 = [&](const QString& name, const QStringList& tagOptions) {
        const QString path = home.file(name);
        RunTool("lame", QStringList{"--quiet", "-b", "64"} + tagOptions + QStringList{mp3Source, path});
        return path;
    };
    // An ID3v1 block appended by the player's own writer, over an ID3v2 tag.
    TSongTag v1;
    SetTagText(v1.Title, "Version One");
    SetTagText(v1.Artist, "Block Writer");
    const QString both = mp3("both.mp3", {"--id3v2-only", "--tt", "Version Two", "--ta", "Someone Else"});
    {
        QFile f(both);
        f.open(QIODevice::Append);
        f.write(TagBlocks(v1));
    }
    const QString flac = Tone(home, "comments.flac");
    RunTool("metaflac", {"--set-tag=TITLE=Ääniraita ½", "--set-tag=ARTIST=Čerešně", "--set-tag=ALBUM=歌曲集", flac});
    const QString ogg = Tone(home, "comments.ogg");
    RunTool("vorbiscomment", {"-w", "-t", "TITLE=Ölfarbe", "-t", "ARTIST=Ådne", "-t", "ALBUM=Überall", ogg});
    const QString opusWave = Tone(home, "opus-source.wav");
    const QString opus = home.file("comments.opus");
    RunTool("opusenc", {"--quiet", "--title", "Опус", "--artist", "Чайковский", "--album", "Συλλογή", opusWave, opus});
    // 40 two-byte letters: cut to 15 whole letters (30 bytes).
    const QString longTitle = QString(40, QChar(0x00E9));
    const QString longFlac = Tone(home, "long title.flac");
    RunTool("metaflac", {"--set-tag=TITLE=" + longTitle, longFlac});

    const struct {
        QString file;
        Expected tags;
    } cases[] = {
        {mp3("v2.mp3", {"--id3v2-only", "--id3v2-utf16", "--tt", "Título Dos", "--ta", "Zoë", "--tl", "Äpfel"}),
         {"Título Dos", "Zoë", "Äpfel"}},
        {mp3("v1.mp3", {"--id3v1-only", "--tt", "Only One", "--ta", "Plain", "--tl", "Old"}),
         {"Only One", "Plain", "Old"}},
        {both, {"Version One", "Block Writer", ""}},   // the ID3v1 block wins, whole
        {flac, {"Ääniraita ½", "Čerešně", "歌曲集"}},
        {ogg, {"Ölfarbe", "Ådne", "Überall"}},
        {opus, {"Опус", "Чайковский", "Συλλογή"}},
        {WaveWithInfo(home, "info.wav", "Wellen", "Ärzte", "Riff"), {"Wellen", "Ärzte", "Riff"}},
        {longFlac, {longTitle.left(15), "", ""}},
        {Tone(home, "untagged.flac"), {"", "", ""}},
    };
    QStringList files;
    QMap<QString, QByteArray> before;
    for (const auto& c : cases) {
        files << c.file;
        before[c.file] = Read(c.file);
    }

    RecordingView view;
    TPlay play;
    play.RegisterListView(&view);
    ASSERT_TRUE(play.BeginAdd(0));
    for (const QString& file : files)
        play.AddFile(file);
    play.EndAdd();
    play.ScanTags(0);

    for (int i = 0; i < files.size(); ++i) {
        const Expected& want = cases[i].tags;
        const TPlayItem& song = play.Default().Song(i);
        const QString shown = want.title.isEmpty() ? QFileInfo(files[i]).fileName() : want.title;
        EXPECT_EQ(view.rows.value(i), QString("%1. %2").arg(i + 1).arg(shown)) << files[i].toStdString();
        EXPECT_EQ(TagText(song.Tag.Artist), want.artist) << files[i].toStdString();
        EXPECT_EQ(TagText(song.Tag.Album), want.album) << files[i].toStdString();
        EXPECT_EQ(Read(files[i]), before[files[i]]) << "the scan wrote " << files[i].toStdString();
    }
}

TEST(DisplayTags, SavingATagAppendsTheBlocksAndLeavesTheOtherTagsAlone) {
    TempHome home;
    const QString flac = Tone(home, "song.flac");
    RunTool("metaflac", {"--set-tag=TITLE=Kommentti", "--set-tag=ARTIST=Äänittäjä", flac});
    const QString mp3 = home.file("song.mp3");
    RunTool("lame", {"--quiet", "--id3v2-only", "--tt", "Zwei", Tone(home, "s.wav"), mp3});

    for (const QString& file : {flac, mp3}) {
        const QByteArray original = Read(file);
        TPlay play;
        TSongTag shown;
        ASSERT_TRUE(play.GetTag(file, shown));
        // The tag window starts from what is shown and saves its fields.
        TSongTag edited = shown;
        SetTagText(edited.Album, "Nuevo álbum");
        SetTagText(edited.LyricsName, "song.lrc");
        play.SetTag(file, edited);

        const QByteArray written = Read(file);
        ASSERT_EQ(written.size(), original.size() + kTagTailSize) << file.toStdString();
        EXPECT_EQ(written.left(original.size()), original) << "other tags changed in " << file.toStdString();
        EXPECT_EQ(written.mid(original.size()), TagBlocks(edited));

        TPlay fresh;
        TSongTag read;
        ASSERT_TRUE(fresh.GetTag(file, read));
        EXPECT_EQ(TagText(read.Title), TagText(shown.Title));
        EXPECT_EQ(TagText(read.Album), "Nuevo álbum");
        EXPECT_EQ(TagText(read.LyricsName), "song.lrc");
    }
}

} // namespace
