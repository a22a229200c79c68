// The tag window of a song: its edits and their limits, the genre box, saving
// (by the button and on close), the lyrics file chooser, and one window per file.
#include "GenreList.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "TagFile.h"
#include "TempHome.h"
#include "TID3Forms.h"
#include "TOption.h"
#include "TPlay.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

class TagWindow : public ::testing::Test {
protected:
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play;
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    TID3Forms forms{TID3FormContext{play, messenger, store}};

    // An audio file of 1000 bytes, with a tag block when a title is given.
    QString song(const QString& name, const QString& title = QString(), quint8 genre = 0) {
        QByteArray bytes(1000, 'a');
        if (!title.isNull()) {
            TSongTag tag;
            SetTagText(tag.Title, title);
            tag.Genre = genre;
            bytes += TagBlocks(tag).right(128); // the ID3v1 block alone
        }
        return home.write(name, bytes);
    }
    TSongTag tagOf(const QString& file) {
        TSongTag tag;
        EXPECT_TRUE(ReadTag(file, tag));
        return tag;
    }
};

} // namespace

TEST_F(TagWindow, FilledFromTheFileWithLimitsAndUnknownGenre) {
    const QString file = song("a.mp3", "First", 200);
    TID3Form* form = forms.Open(file);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("First - ID3 Tag"));
    EXPECT_EQ(form->FileNameEdit->text(), file);
    EXPECT_TRUE(form->FileNameEdit->isReadOnly());
    EXPECT_EQ(form->TitleEdit->text(), QStringLiteral("First"));
    ASSERT_EQ(form->GenreList->count(), kGenreCount);
    EXPECT_EQ(form->GenreList->currentIndex(), 81);
    EXPECT_EQ(form->GenreList->currentText(), QStringLiteral("Unknown"));
    EXPECT_FALSE(form->Modified());

    struct Case {
        QLineEdit* edit;
        int limit;
    } cases[] = {{form->TitleEdit, 30},   {form->ArtistEdit, 30}, {form->AlbumEdit, 30},
                 {form->CommentEdit, 30}, {form->YearEdit, 4},    {form->LrcEdit, 30}};
    for (const Case& c : cases) {
        c.edit->clear();
        QTest::keyClicks(c.edit, QString(40, 'x'));
        EXPECT_EQ(c.edit->text().size(), c.limit) << c.edit->objectName().toStdString();
    }
    EXPECT_TRUE(form->Modified());
    form->Save();
    EXPECT_FALSE(form->Modified());
    const TSongTag saved = tagOf(file);
    EXPECT_EQ(saved.Genre, 200); // an unknown genre byte is written back as it was
    EXPECT_EQ(TagText(saved.Year), QStringLiteral("xxxx"));
    EXPECT_EQ(TagText(saved.Title), QString(30, 'x'));
    EXPECT_EQ(QFileInfo(file).size(), 1000 + 164); // the lyrics-name block was added
}

TEST_F(TagWindow, SavedOnCloseOnlyWhenModified) {
    const QString file = song("b.mp3", "Old");
    QPointer<TID3Form> form = forms.Open(file);
    form->close();
    EXPECT_EQ(QFileInfo(file).size(), 1000 + 128); // untouched
    EXPECT_TRUE(WaitFor([&] { return form.isNull(); }));

    form = forms.Open(file);
    form->TitleEdit->setText("New");
    form->GenreList->setCurrentIndex(5);
    QTest::keyClick(form, Qt::Key_Escape);
    const TSongTag saved = tagOf(file);
    EXPECT_EQ(TagText(saved.Title), QStringLiteral("New"));
    EXPECT_EQ(saved.Genre, 4); // "Disco", ID3v1 number 4
    EXPECT_FALSE(store.ReadString("TID3Form", "Left", QString()).isEmpty());
}

TEST_F(TagWindow, UndoAndClear) {
    const QString file = song("c.mp3", "Keep", 9);
    TID3Form* form = forms.Open(file);
    form->TitleEdit->setText("Changed");
    form->Fill(); // Undo
    EXPECT_EQ(form->TitleEdit->text(), QStringLiteral("Keep"));
    EXPECT_FALSE(form->Modified());
    form->Clear();
    EXPECT_TRUE(form->TitleEdit->text().isEmpty());
    EXPECT_EQ(form->GenreList->currentIndex(), 0);
    EXPECT_TRUE(form->Modified());
}

TEST_F(TagWindow, LyricsChooserKeepsOnlyTheName) {
    const QString file = song("d.mp3");
    dialogs.file = "/elsewhere/My Song.lrc";
    TID3Form* form = forms.Open(file, true); // "#ID3,SelectLyrics"
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Select Lyrics");
    EXPECT_EQ(dialogs.lastFilter, "LyricsFiles(*.lrc)");
    EXPECT_EQ(form->LrcEdit->text(), QStringLiteral("My Song.lrc"));
    EXPECT_TRUE(form->Modified());
    form->Save();
    EXPECT_EQ(TagText(tagOf(file).LyricsName), QStringLiteral("My Song.lrc"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("d.mp3 - ID3 Tag")); // no title: the file name

    // Cancelled: nothing changes.
    dialogs.file.clear();
    form->SelectLyrics();
    EXPECT_EQ(form->LrcEdit->text(), QStringLiteral("My Song.lrc"));
    EXPECT_FALSE(form->Modified());
}

TEST_F(TagWindow, OneWindowPerFileAndTheOpenCount) {
    QSignalSpy count(&forms, &TID3Forms::openCountChanged);
    const QString a = song("e.mp3", "E");
    const QString b = song("f.mp3", "F");
    TID3Form* first = forms.Open(a);
    TID3Form* second = forms.Open(b);
    EXPECT_NE(first, second);
    EXPECT_EQ(forms.Open(a.toUpper().replace(home.path().toUpper(), home.path())), first);
    EXPECT_EQ(forms.Count(), 2);
    QPointer<TID3Form> gone = first;
    first->close();
    EXPECT_TRUE(WaitFor([&] { return gone.isNull(); }));
    forms.CloseAll();
    EXPECT_EQ(forms.Count(), 0);
    QList<int> counts;
    for (const auto& args : count)
        counts << args[0].toInt();
    EXPECT_EQ(counts, (QList<int>{1, 2, 1, 0}));
}

TEST_F(TagWindow, GenreBytesOtherTaggersWroteShowTheirGenreAndSurviveASave) {
    struct Case {
        quint8 byte;
        const char* shown;
    } cases[] = {{0, "Blues"}, {8, "Jazz"}, {255, "No Genre"}, {200, "Unknown"}};
    for (const Case& c : cases) {
        const QString file = song(QString("g%1.mp3").arg(c.byte), "Song", c.byte);
        TID3Form* form = forms.Open(file);
        EXPECT_EQ(form->GenreList->currentText(), QString(c.shown)) << c.byte;
        form->CommentEdit->setText("edited");
        form->Save();
        EXPECT_EQ(tagOf(file).Genre, c.byte) << "kept when only the comment changed";
        form->close();
    }
    const QString file = song("pick.mp3", "Song", 200);
    TID3Form* form = forms.Open(file);
    for (const auto& [name, byte] : {std::pair{"Jazz", 8}, std::pair{"Blues", 0}, std::pair{"No Genre", 255}}) {
        form->GenreList->setCurrentIndex(form->GenreList->findText(name));
        form->Save();
        EXPECT_EQ(tagOf(file).Genre, byte) << name;
    }
}

TEST_F(TagWindow, TextOtherTaggersWroteIsShownWholeAndKeptByteForByte) {
    const QByteArray title = "Caf\xE9 Noir";         // Latin-1
    const QByteArray artist = "\xB8\xE8\xCA\xD6";      // GB18030
    const QByteArray album = "Caf\xC3\xA9";           // UTF-8
    const QByteArray lyrics = "caf\xE9.lrc";           // Latin-1
    QByteArray block = "LYRICS" + lyrics.leftJustified(30, '\0') + "TAG" + title.leftJustified(30, '\0') +
                       artist.leftJustified(30, '\0') + album.leftJustified(30, '\0') + "1999" +
                       QByteArray("old").leftJustified(30, '\0') + char(8);
    const QString file = home.write("latin.mp3", QByteArray(1000, 'a') + block);
    TID3Form* form = forms.Open(file);
    EXPECT_EQ(form->TitleEdit->text(), QString::fromUtf8("Caf\xC3\xA9 Noir"));
    EXPECT_EQ(form->ArtistEdit->text(), QString::fromUtf8("\xE6\xAD\x8C\xE6\x89\x8B"));
    EXPECT_EQ(form->AlbumEdit->text(), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(form->LrcEdit->text(), QString::fromUtf8("caf\xC3\xA9.lrc"));
    form->CommentEdit->setText("new");
    form->Save();
    block.replace(6 + 30 + 3 + 90 + 4, 3, "new"); // only the comment changes
    EXPECT_EQ(home.read("latin.mp3").right(164).toHex(), block.toHex());

    // A changed field is written in the encoding it was read in.
    form->TitleEdit->setText(QString::fromUtf8("Caf\xC3\xA9 Blanc"));
    form->Save();
    EXPECT_EQ(TagBytes(tagOf(file).Title), QByteArray("Caf\xE9 Blanc"));
}

// Types text that has no key of its own, one character at a time.
static void Type(QLineEdit* edit, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

TEST_F(TagWindow, EditsAreLimitedByTheBytesTheirEncodingNeeds) {
    const QString e = QString::fromUtf8("\xC3\xA9");
    const QString file = song("limits.mp3", "");
    TID3Form* form = forms.Open(file);
    form->TitleEdit->clear();
    Type(form->TitleEdit, e.repeated(20)); // UTF-8: two bytes each
    EXPECT_EQ(form->TitleEdit->text(), e.repeated(15));
    form->Save();
    EXPECT_EQ(TagBytes(tagOf(file).Title), e.repeated(15).toUtf8()) << "nothing cut after the fact";

    QByteArray latin = "Caf\xE9 ";
    QByteArray block = "TAG" + latin.leftJustified(30, '\0') + QByteArray(94, '\0') + char(255);
    const QString other = home.write("latin1.mp3", QByteArray(500, 'a') + block);
    form = forms.Open(other);
    Type(form->TitleEdit, e.repeated(40)); // Latin-1: one byte each
    EXPECT_EQ(form->TitleEdit->text().size(), 30);
}
