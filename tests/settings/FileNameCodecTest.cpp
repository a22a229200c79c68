// File names are bytes: names that are not UTF-8 (written by older systems) must
// survive decoding to text and encoding back, and paths stored in "Options.ini"
// must name the same file when read again, while older texts stay readable.
#include "FileName.h"
#include "OptionsStore.h"
#include "PlayerSettings.h"
#include "TextCodec.h"
#include "TempHome.h"

#include <QRandomGenerator>
#include <QUrl>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString escaped(const QString& prefix, char16_t byte, const QString& suffix) {
    return prefix + QChar(char16_t(0xDC00 + byte)) + suffix;
}

bool createRaw(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

} // namespace

TEST(FileNameCodec, DecodesUtf8AsTextAndEscapesEachInvalidByte) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString name;
    } cases[] = {
        {"ASCII", "/music/a b.mp3", "/music/a b.mp3"},
        {"UTF-8", "Caf\xC3\xA9 \xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9D\x84\x9E.mp3",
         QString::fromUtf8("Caf\xC3\xA9 \xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9D\x84\x9E.mp3")},
        {"Latin-1 byte", "Caf\xE9.mp3", escaped("Caf", 0xE9, ".mp3")},
        {"cut sequence at the end", "a\xC3", escaped("a", 0xC3, "")},
        {"overlong slash", "\xC0\xAF", escaped("", 0xC0, "") + QChar(0xDCAF)},
        {"encoded surrogate is no escape", "\xED\xB3\xA9", escaped("", 0xED, "") + QChar(0xDCB3) + QChar(0xDCA9)},
        {"above U+10FFFF", "\xF4\x90\x80\x80", escaped("", 0xF4, "") + QChar(0xDC90) + QChar(0xDC80) + QChar(0xDC80)},
        {"GB18030 then Latin-1", "\xC4\xE3\xBA\xC3 Caf\xE9",
         escaped("", 0xC4, "") + QChar(0xDCE3) + QChar(0xDCBA) + QChar(0xDCC3) + " Caf" + QChar(0xDCE9)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeFileName(c.bytes), c.name) << c.what;
        EXPECT_EQ(EncodeFileName(c.name), c.bytes) << c.what;
    }
    // A "file:" address carries the bytes percent-encoded.
    EXPECT_EQ(LocalFileOfUrl(QUrl("file:///m/Caf%E9%20x.mp3")), escaped("/m/Caf", 0xE9, " x.mp3"));
    EXPECT_EQ(LocalFileOfUrl(QUrl("file:///m/Caf%C3%A9.mp3")), QString::fromUtf8("/m/Caf\xC3\xA9.mp3"));
    // Shown to people by the text rule.
    EXPECT_EQ(FileNameForDisplay(DecodeFileName("/m/Caf\xE9.mp3")), QString::fromUtf8("/m/Caf\xC3\xA9.mp3"));
    EXPECT_EQ(FileNameForDisplay(DecodeFileName("\xC4\xE3\xBA\xC3.mp3")), QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD.mp3"));
    // Text that is no escape is written as UTF-8 (a lone surrogate below DC80 cannot be a byte).
    EXPECT_EQ(EncodeFileName(QString(QChar(0xDC41))), QString(QChar(0xDC41)).toUtf8());
}

TEST(FileNameCodec, AnyByteStringWithoutNulRoundTrips) {
    QRandomGenerator random(11);
    for (int n = 0; n < 20000; ++n) {
        QByteArray bytes(random.bounded(1, 16), '\0');
        for (char& b : bytes) {
            // Mostly high bytes, so that valid and invalid sequences both occur often.
            const int v = random.bounded(4) == 0 ? random.bounded(1, 0x80) : random.bounded(0x80, 0x100);
            b = static_cast<char>(v);
        }
        const QString name = DecodeFileName(bytes);
        ASSERT_EQ(EncodeFileName(name), bytes) << bytes.toHex().toStdString();
        if (IsValidUtf8(bytes)) {
            ASSERT_EQ(name, QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
        }
    }
}

TEST(FileNameCodec, StoredPathsNameTheSameFileAndOldTextsStayReadable) {
    TempHome home;
    const QByteArray folder = EncodeFileName(home.path());
    const QByteArray latin1 = folder + "Caf\xE9.mp3";
    const QByteArray mixed = folder + "\xC4\xE3\xBA\xC3 Caf\xE9.mp3";
    const QByteArray utf8 = folder + "Caf\xC3\xA9.mp3";
    struct Cleanup {
        QList<QByteArray> files;
        ~Cleanup() { // Qt cannot remove names that are not UTF-8
            for (const QByteArray& file : files)
                ::unlink(file.constData());
        }
    } cleanup{{latin1, mixed, utf8}};
    for (const QByteArray& path : {latin1, mixed, utf8})
        ASSERT_TRUE(createRaw(path));
    OptionsStore store(home.file("Options.ini"));
    for (const QByteArray& path : {latin1, mixed, utf8}) {
        const QString name = DecodeFileName(path);
        ASSERT_TRUE(PathExists(name)) << path.toHex().toStdString();
        PlayerSettings::SetCurrent(store, name);
        PlayerSettings::SetSkin(store, name);
        EXPECT_EQ(PlayerSettings::Current(store), name) << path.toHex().toStdString();
        EXPECT_EQ(PlayerSettings::Skin(store), name) << path.toHex().toStdString();
        EXPECT_TRUE(home.read("Options.ini").contains("CURRENT=" + path + "\n"));
        // As keys (the play counts): each file has its own line.
        store.WriteInteger("COUNT", name, path.size());
    }
    for (const QByteArray& path : {latin1, mixed, utf8})
        EXPECT_EQ(store.ReadInteger("COUNT", DecodeFileName(path), 0), path.size()) << path.toHex().toStdString();

    // A value an older version wrote in GB18030 names no file: read as text.
    home.write("Options.ini", "[OPTION]\nCURRENT=D:\\\xD2\xF4\xC0\xD6\\a.mp3\n");
    EXPECT_EQ(PlayerSettings::Current(store), QString::fromUtf8("D:\\\xE9\x9F\xB3\xE4\xB9\x90\\a.mp3"));
}
