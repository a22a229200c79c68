// End-of-file tag blocks: the three layouts a save meets, what a read makes of
// odd blocks, and that the audio bytes in front of the blocks never change.
#include "TagFile.h"

#include "FifoGuard.h"
#include "GenreList.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRandomGenerator>

namespace {

QByteArray Audio(int size) {
    QRandomGenerator random(7);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

// A raw 128-byte TAG block with the marker as given.
QByteArray Id3v1(const QByteArray& marker, const QByteArray& title, quint8 genre) {
    QByteArray block = marker + title.leftJustified(30, '\0') + QByteArray("Artist").leftJustified(30, '\0') +
                       QByteArray("Album").leftJustified(30, '\0') + "1999" +
                       QByteArray("note").leftJustified(30, '\0');
    block.append(static_cast<char>(genre));
    return block;
}

QByteArray LyricsBlock(const QByteArray& marker, const QByteArray& name) {
    return marker + name.leftJustified(30, '\0');
}

TSongTag SampleTag() {
    TSongTag tag;
    SetTagText(tag.Title, "New Title");
    SetTagText(tag.Artist, "New Artist");
    SetTagText(tag.Album, "New Album");
    SetTagText(tag.Year, "2024");
    SetTagText(tag.Comment, "c");
    SetTagText(tag.LyricsName, "new.lrc");
    tag.Genre = 17;
    return tag;
}

} // namespace

struct LayoutCase {
    const char* what;
    QByteArray blocks; // what follows the audio before the save
    int growth;        // bytes the first save adds
};

class TagWrite : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TagWrite, GrowsOnlyAsNeededAndKeepsTheAudio) {
    const LayoutCase& c = GetParam();
    TempHome home;
    const QByteArray audio = Audio(1000);
    const QString file = home.write("song.mp3", audio + c.blocks);
    const qint64 before = QFileInfo(file).size();

    ASSERT_EQ(WriteTag(file, SampleTag()), TagWriteResult::Written) << c.what;
    QByteArray after = home.read("song.mp3");
    EXPECT_EQ(after.size(), before + c.growth) << c.what;
    EXPECT_EQ(after.left(audio.size()), audio) << c.what;
    EXPECT_EQ(after.right(kTagTailSize), TagBlocks(SampleTag())) << c.what;

    // Saving again changes no length.
    TSongTag other = SampleTag();
    SetTagText(other.Title, "Again");
    SetTagText(other.LyricsName, "");
    ASSERT_EQ(WriteTag(file, other), TagWriteResult::Written);
    after = home.read("song.mp3");
    EXPECT_EQ(after.size(), before + c.growth) << c.what;
    EXPECT_EQ(after.left(audio.size()), audio) << c.what;
    TSongTag read;
    ASSERT_TRUE(ReadTag(file, read));
    EXPECT_EQ(TagBytes(read.Title), "Again");
    EXPECT_TRUE(TagBytes(read.LyricsName).isEmpty()); // both blocks stay, the name is 30 zero bytes
    EXPECT_EQ(after.right(kTagTailSize).left(6), "LYRICS");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TagWrite,
    ::testing::Values(
        LayoutCase{"no tag", {}, 164}, LayoutCase{"ID3v1 only", Id3v1("TAG", "Old", 3), 36},
        LayoutCase{"both blocks", LyricsBlock("LYRICS", "old.lrc") + Id3v1("TAG", "Old", 3), 0},
        LayoutCase{"both blocks in lower case", LyricsBlock("lyrics", "old.lrc") + Id3v1("tag", "Old", 3), 0},
        // A "lyrics" in the audio without a TAG block behind it is audio, not a block.
        LayoutCase{"stray lyrics marker", LyricsBlock("lyrics", "x") + QByteArray(128, 'a'), 164}));

TEST(TagRead, BlocksInAnyCaseAreRecognisedAndTrimmed) {
    TempHome home;
    const QString file = home.write("song.mp3", Audio(500) + LyricsBlock("LyRiCs", "  my song.lrc \t") +
                                                    Id3v1("tAg", " \x01Title  ", 200));
    TSongTag tag;
    ASSERT_TRUE(ReadTag(file, tag));
    EXPECT_EQ(TagBytes(tag.Title), "Title");
    EXPECT_EQ(TagBytes(tag.LyricsName), "my song.lrc");
    EXPECT_EQ(TagBytes(tag.Artist), "Artist");
    EXPECT_EQ(TagBytes(tag.Album), "Album");
    EXPECT_EQ(TagBytes(tag.Year), "1999");
    EXPECT_EQ(TagBytes(tag.Comment), "note");
    EXPECT_EQ(tag.Genre, 200); // stored as read
}

TEST(TagRead, NoBlocksShortFilesAndMissingFiles) {
    TempHome home;
    TSongTag tag;
    // No tag, no genre: 255 as ID3v1 writers store it (0 would be "Blues",
    // written into the file with the first tag the user saves).
    ASSERT_TRUE(ReadTag(home.write("plain.mp3", Audio(400)), tag));
    EXPECT_EQ(tag.Genre, 255);
    EXPECT_EQ(GenreName(tag.Genre), "No Genre");
    EXPECT_TRUE(TagBytes(tag.Title).isEmpty());
    ASSERT_TRUE(ReadTag(home.write("tiny.mp3", "TAGxy"), tag));
    EXPECT_EQ(tag.Genre, 255);
    // Exactly one TAG block and nothing in front of it.
    ASSERT_TRUE(ReadTag(home.write("bare.mp3", Id3v1("TAG", "Bare", 5)), tag));
    EXPECT_EQ(TagBytes(tag.Title), "Bare");
    EXPECT_FALSE(ReadTag(home.file("missing.mp3"), tag));
    EXPECT_EQ(WriteTag(home.file("missing.mp3"), SampleTag()), TagWriteResult::CannotOpen);
    EXPECT_FALSE(QFile::exists(home.file("missing.mp3")));
}

TEST(TagWrite, LyricsNameOfThirtyCharactersHasNoTerminator) {
    TempHome home;
    const QString file = home.write("song.mp3", Audio(300));
    TSongTag tag = SampleTag();
    const QString thirty = QString(26, 'n') + ".lrc";
    SetTagText(tag.LyricsName, thirty);
    ASSERT_EQ(WriteTag(file, tag), TagWriteResult::Written);
    EXPECT_EQ(home.read("song.mp3").mid(300 + 6, 30), thirty.toLatin1());
    TSongTag read;
    ASSERT_TRUE(ReadTag(file, read));
    EXPECT_EQ(TagText(read.LyricsName), thirty);

    SetTagText(tag.LyricsName, QString(40, 'm'));
    EXPECT_EQ(TagBytes(tag.LyricsName), QByteArray(30, 'm'));
}

TEST(Genres, FilesHoldTheStandardId3v1Number) {
    EXPECT_EQ(kGenreNames.size(), 82u);
    EXPECT_STREQ(kGenreNames[0], "No Genre");
    EXPECT_STREQ(kGenreNames[81], "Unknown");
    // Bytes as other taggers write them.
    struct Case {
        int byte;
        const char* shown;
        int index;
    } cases[] = {{0, "Blues", 1},     {8, "Jazz", 9},        {9, "Metal", 10}, {79, "Hard Rock", 80},
                 {255, "No Genre", 0}, {200, "Unknown", 81}, {80, "Unknown", 81}};
    for (const Case& c : cases) {
        EXPECT_EQ(GenreName(c.byte), c.shown) << c.byte;
        EXPECT_EQ(GenreIndex(c.byte), c.index) << c.byte;
        // The byte a file had comes back when its genre is kept.
        EXPECT_EQ(GenreByte(c.index, static_cast<quint8>(c.byte)), c.byte) << c.byte;
    }
    // Choosing from the list stores the ID3v1 number.
    EXPECT_EQ(GenreByte(9, 255), 8);  // "Jazz"
    EXPECT_EQ(GenreByte(0, 8), 255);  // "No Genre"
    EXPECT_EQ(GenreByte(81, 8), 255); // "Unknown" for a known genre: none
}

TEST(TagFiles, FifosAndDevicesAreNeverOpenedAsSongs) {
    TempHome home;
    const QString fifo = MakeFifo(home.file("x.mp3"));
    TSongTag tag;
    bool read = true;
    EXPECT_FALSE(BlocksOnFifo(fifo, [&] { read = ReadTag(fifo, tag); }));
    EXPECT_FALSE(read);
    TagWriteResult written = TagWriteResult::Written;
    EXPECT_FALSE(BlocksOnFifo(fifo, [&] { written = WriteTag(fifo, SampleTag()); }));
    EXPECT_EQ(written, TagWriteResult::CannotOpen) << "a tag written into a FIFO is lost";
    EXPECT_FALSE(ReadTag("/dev/zero", tag));
    EXPECT_EQ(WriteTag("/dev/null", SampleTag()), TagWriteResult::CannotOpen);
}
