// Damaged and hostile skin files: each is the small skin with one thing broken.
// The load must fail with the right error (and message), or, for damage the
// format tolerates, read what is left; it must never read outside the file.
#include "ObjectRecordReader.h"
#include "SkinFile.h"
#include "SkinFixtures.h"

#include <functional>
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <QtEndian>

namespace {

void PutInt(QByteArray& bytes, qint64 at, qint32 v) {
    qToLittleEndian(v, bytes.data() + at);
}

// Position of the int32 count in front of a text found in the file.
qint64 CountBefore(const QByteArray& bytes, const char* text) {
    const qint64 at = bytes.indexOf(text);
    EXPECT_GT(at, 4) << text;
    return at - 4;
}

struct HostileCase {
    const char* name;
    std::function<void(QByteArray&, const SkinFileLayout&)> damage;
    SkinLoadError open = SkinLoadError::None;     // from opening (magic, version)
    SkinLoadError section0 = SkinLoadError::None; // from reading section 0
    SkinLoadError section1 = SkinLoadError::None; // from reading section 1
};

const HostileCase kCases[] = {
    {"wrong magic", [](QByteArray& b, const SkinFileLayout&) { b[1] = 'X'; }, SkinLoadError::InvalidMagic},
    {"shorter than the magic", [](QByteArray& b, const SkinFileLayout&) { b.truncate(9); },
     SkinLoadError::InvalidMagic},
    {"wrong version", [](QByteArray& b, const SkinFileLayout&) { PutInt(b, 15, 63); },
     SkinLoadError::WrongVersion},
    {"section 0 offset past the end",
     [](QByteArray& b, const SkinFileLayout&) { PutInt(b, 19, static_cast<qint32>(b.size())); },
     SkinLoadError::None, SkinLoadError::SectionMissing, SkinLoadError::SectionMissing},
    {"section 0 offset negative", [](QByteArray& b, const SkinFileLayout&) { PutInt(b, 19, -8); },
     SkinLoadError::None, SkinLoadError::SectionMissing, SkinLoadError::SectionMissing},
    {"object list offset past the end",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.sectionStart[0], 0x7fffffff); },
     SkinLoadError::None, SkinLoadError::BrokenFile, SkinLoadError::SectionMissing},
    {"section 0 end past the end",
     [](QByteArray& b, const SkinFileLayout& l) {
         PutInt(b, l.endOffsetField[0], static_cast<qint32>(b.size()) + 4);
     },
     SkinLoadError::None, SkinLoadError::BrokenFile, SkinLoadError::SectionMissing},
    {"record size running past the end",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][1] + 4, 0x10000000); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"record size negative",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][1] + 4, -20); }, SkinLoadError::None,
     SkinLoadError::BrokenFile},
    {"record too short for its kind",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][6] + 4, 6); }, SkinLoadError::None,
     SkinLoadError::BrokenFile},
    {"text length negative",
     [](QByteArray& b, const SkinFileLayout&) { PutInt(b, CountBefore(b, "#EXIT"), -5); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"text length past the record",
     [](QByteArray& b, const SkinFileLayout&) { PutInt(b, CountBefore(b, "#Silent"), 4000); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"bitmap blob past the record",
     [](QByteArray& b, const SkinFileLayout& l) {
         // The panel's picture is its last property: its blob count ends right before the trailer.
         const qint64 next = l.records[0][1];
         const qint64 blobCount = b.indexOf("BM", l.records[0][0]) - 4;
         ASSERT_LT(blobCount, next);
         PutInt(b, blobCount, 0x00100000);
     },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"property count negative",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][6] + 8 + 16 + 4, -1); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"panel picture that is no bitmap",
     [](QByteArray& b, const SkinFileLayout& l) { b[b.indexOf("BM", l.records[0][0])] = 'X'; },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"ValueText that is no number",
     [](QByteArray& b, const SkinFileLayout& l) {
         // code 100, count 2, "20": the drawer's slide distance
         const qint64 at = b.indexOf(QByteArray("\x64\0\0\0\x02\0\0\0"
                                                "20",
                                                10)) +
                           8;
         ASSERT_GT(at, l.records[0][0]);
         b[at] = 'x';
     },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"parent past the objects", [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][1], 7); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"parent that is no panel", [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][6], 3); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"parent below -1", [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.records[0][1], -2); },
     SkinLoadError::None, SkinLoadError::BrokenFile},
    {"FrontList count past the end",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.frontListCount, 0x20000000); },
     SkinLoadError::None, SkinLoadError::BrokenFile, SkinLoadError::BrokenFile},
    {"FrontList count negative",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.frontListCount, -1); }, SkinLoadError::None,
     SkinLoadError::BrokenFile, SkinLoadError::BrokenFile},
    {"file cut inside section 0",
     [](QByteArray& b, const SkinFileLayout& l) { b.truncate(l.records[0][3] + 30); }, SkinLoadError::None,
     SkinLoadError::BrokenFile, SkinLoadError::SectionMissing},
    {"file cut before the FrontList",
     [](QByteArray& b, const SkinFileLayout& l) { b.truncate(l.frontListCount); }, SkinLoadError::None,
     SkinLoadError::SectionMissing, SkinLoadError::SectionMissing},
    {"section 1 end pointing back",
     [](QByteArray& b, const SkinFileLayout& l) { PutInt(b, l.endOffsetField[1], 4); }, SkinLoadError::None,
     SkinLoadError::SectionMissing, SkinLoadError::EmptySection},
};

class HostileSkinFile : public ::testing::TestWithParam<HostileCase> {};

SkinLoadError ReadResult(SkinFile& file, int s) {
    SkinSection section;
    return file.readSection(s, &section).error;
}

TEST_P(HostileSkinFile, FailsCleanly) {
    const HostileCase& c = GetParam();
    SkinFileLayout layout;
    QByteArray bytes = SmallSkin().build(&layout);
    c.damage(bytes, layout);

    SkinFile file;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    const SkinLoadResult opened = file.open(std::move(buffer));
    ASSERT_EQ(opened.error, c.open) << opened.detail.toStdString();
    if (!opened.ok())
        return;
    EXPECT_EQ(ReadResult(file, 0), c.section0);
    EXPECT_EQ(ReadResult(file, 1), c.section1);
    // Whatever the damage, the other reads answer without crashing.
    SkinInfo info;
    file.readInfo(&info);
    file.sectionHasObjects(2);
    ReadResult(file, 2);
}

INSTANTIATE_TEST_SUITE_P(Damage, HostileSkinFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(SkinLoadMessages, MagicAndVersionHaveTheirMessages) {
    EXPECT_EQ(SkinLoadMessage(SkinLoadError::InvalidMagic), QStringLiteral("Invalid file format!"));
    EXPECT_EQ(SkinLoadMessageIcon(SkinLoadError::InvalidMagic), SkinMessageIcon::Exclamation);
    EXPECT_EQ(SkinLoadMessage(SkinLoadError::WrongVersion), QStringLiteral("Could not use this Texture."));
    EXPECT_EQ(SkinLoadMessageIcon(SkinLoadError::WrongVersion), SkinMessageIcon::Information);
    for (SkinLoadError silent :
         {SkinLoadError::SectionMissing, SkinLoadError::EmptySection, SkinLoadError::BrokenFile})
        EXPECT_TRUE(SkinLoadMessage(silent).isEmpty());
}

SkinFile* Open(SkinFile* file, const QByteArray& bytes) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    EXPECT_TRUE(file->open(std::move(buffer)).ok());
    return file;
}

// Damage the format tolerates: the rest of the file still reads.
TEST(TolerableDamage, UnknownKindIsSkippedWhole) {
    SkinFileLayout layout;
    QByteArray bytes = SmallSkin().build(&layout);
    PutInt(bytes, layout.records[0][3] + 8 + 16, 17); // the TimeDisplay becomes kind 17
    SkinFile file;
    SkinSection section;
    ASSERT_TRUE(Open(&file, bytes)->readSection(0, &section).ok());
    ASSERT_EQ(section.objects.size(), 7u);
    EXPECT_EQ(section.objects[4].kind, SkinItemKind::PlayListView) << "the next record follows by its size";
    EXPECT_EQ(section.objects[6].command, QStringLiteral("#EXIT"));
}

TEST(TolerableDamage, EmptySectionOneCannotBeShownButSectionZeroReads) {
    SkinWriter skin = SmallSkin();
    skin.sections[1].objects.clear();
    SkinFile file;
    Open(&file, skin.build());
    EXPECT_FALSE(file.sectionHasObjects(1));
    SkinSection section;
    EXPECT_EQ(file.readSection(1, &section).error, SkinLoadError::EmptySection);
    EXPECT_TRUE(file.readSection(0, &section).ok());
    EXPECT_TRUE(file.readSection(2, &section).ok());
}

TEST(TolerableDamage, FrontListNumbersOutsideTheWindowAreDropped) {
    EXPECT_EQ(FrontOrder({5, -1, 0, 3, 7, 6, 2147483647, -2147483647 - 1}, 3, 4),
              (std::vector<int>{2, 0, 3}));
    EXPECT_TRUE(FrontOrder({1, 2}, 0, 0).empty());
}

TEST(TolerableDamage, StateImageOffsetsThatPointNowhereGiveNoPicture) {
    SkinFile file;
    Open(&file, SmallSkin().build());
    for (const char* entry : {"", "-4", "junk", "999999999", "19", "0"})
        EXPECT_TRUE(file.readStateImage(QString::fromLatin1(entry)).isNull()) << entry;
}

} // namespace

// A skin named on the command line or picked in the skin manager is the user's
// file: anything but a regular file of a skin's size fails at once instead of
// hanging the window in open() or reading without end.
TEST(SkinFileByPath, OnlyRegularFilesOfBoundedSize) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.eks");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(SmallSkin().build());
    }
    SkinFile file;
    ASSERT_TRUE(file.open(good).ok());
    file.close();

    const QString fifo = dir.filePath("fifo.eks");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(dir.filePath("folder.eks"));
    const QString huge = dir.filePath("huge.eks");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(SmallSkin().build());
        ASSERT_TRUE(f.resize(kMaxSkinFileBytes + 1)); // sparse
    }
    for (const QString& path : {fifo, dir.filePath("folder.eks"), QStringLiteral("/dev/zero"), huge}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(file.open(path).error, SkinLoadError::CannotOpen);
    }
}
