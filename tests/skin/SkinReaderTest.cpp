// Reading a complete small skin: every property kind, all three faces, the
// FrontList, StateList offsets read on demand.
#include "SkinFile.h"
#include "SkinFixtures.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QBuffer>

namespace {

std::unique_ptr<SkinFile> OpenBytes(const QByteArray& bytes) {
    auto file = std::make_unique<SkinFile>();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    EXPECT_TRUE(file->open(std::move(buffer)).ok());
    return file;
}

class SkinReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        bytes_ = SmallSkin().build(&layout_);
        path_ = home_.write(QStringLiteral("small.eks"), bytes_);
        ASSERT_TRUE(file_.open(path_).ok());
    }
    TempHome home_;
    QByteArray bytes_;
    SkinFileLayout layout_;
    QString path_;
    SkinFile file_;
};

TEST_F(SkinReaderTest, SectionsChainAndFrontListEndsTheFile) {
    for (int s = 0; s <= 3; ++s) {
        const auto at = file_.locateSection(s);
        ASSERT_TRUE(at) << s;
        EXPECT_EQ(*at, layout_.sectionStart[static_cast<size_t>(s)]) << s;
    }
    std::vector<qint32> front;
    qint64 end = 0;
    ASSERT_TRUE(file_.readFrontList(&front, &end).ok());
    EXPECT_EQ(front, (std::vector<qint32>{2, 1, 99, 9, 10}));
    EXPECT_EQ(end, file_.size());
    for (int s = 0; s <= 2; ++s)
        EXPECT_TRUE(file_.sectionHasObjects(s)) << s;
    EXPECT_TRUE(SectionHasObjects(path_, 1));
}

TEST_F(SkinReaderTest, MainFaceCarriesEveryProperty) {
    SkinSection section;
    const SkinLoadResult result = file_.readSection(0, &section);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    ASSERT_EQ(section.objects.size(), 8u);
    EXPECT_EQ(section.baseNumber, 0);
    EXPECT_EQ(section.frontOrder, (std::vector<int>{2, 1}));

    const ObjectRecord& body = section.objects[0];
    EXPECT_EQ(body.kind, SkinItemKind::WindowBody);
    EXPECT_EQ(body.image.size(), QSize(12, 10));
    ASSERT_TRUE(body.region);
    EXPECT_EQ(*body.region, QRegion(0, 0, 12, 4) + QRegion(0, 4, 5, 6));

    const ObjectRecord& drawer = section.objects[1];
    EXPECT_EQ(drawer.kind, SkinItemKind::SlidingPanel);
    EXPECT_EQ(drawer.left, 2);
    EXPECT_EQ(drawer.top, 3);
    EXPECT_EQ(drawer.directionOrGroup, 3);
    EXPECT_EQ(drawer.value, 20);
    EXPECT_EQ(drawer.image.size(), QSize(8, 6));
    EXPECT_TRUE(drawer.stateList.isEmpty()) << "panels load their picture at once";

    const ObjectRecord& button = section.objects[2];
    EXPECT_EQ(button.parent, 1);
    EXPECT_EQ(button.command, QStringLiteral("#LIST"));
    EXPECT_EQ(button.hint, QStringLiteral("Playlist"));
    ASSERT_EQ(button.stateList.size(), 3);
    EXPECT_TRUE(button.stateList[1].isEmpty()) << "an empty blob leaves an empty entry";
    EXPECT_EQ(file_.readStateImage(button.stateList[0]).pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(file_.readStateImage(button.stateList[2]).pixelColor(1, 1), QColor(Qt::blue))
        << "16-bit picture";
    EXPECT_TRUE(file_.readStateImage(button.stateList[1]).isNull());

    const ObjectRecord& indicator = section.objects[3];
    EXPECT_EQ(indicator.command, QStringLiteral("#Silent"));
    EXPECT_EQ(indicator.directionOrGroup, 9);
    EXPECT_EQ(indicator.hint, QStringLiteral("Mute"));

    const ObjectRecord& time = section.objects[4];
    EXPECT_EQ(time.kind, SkinItemKind::TimeDisplay);
    EXPECT_EQ(time.stateList, (QStringList{QStringLiteral("Courier New,[],&H00FFFFFF,8,0"),
                                           QStringLiteral("Courier New,[Bold,],&H00FFFFFF,8,0")}));
    EXPECT_EQ(time.value, 0) << "short format";
    EXPECT_EQ(time.colors.at(0), 0x010203u);

    const ObjectRecord& list = section.objects[5];
    EXPECT_EQ(list.kind, SkinItemKind::PlayListView);
    EXPECT_EQ(list.listFont, QStringLiteral("MS Sans Serif,[],&H00BFA091,8,0"));
    EXPECT_EQ(list.colors, (std::map<int, quint32>{{0, 0x643414}, {1, 0xE4D5CE}, {2, 0xE6DFD2}, {3, 1}}));
    EXPECT_TRUE(list.sunkenBorder);
    EXPECT_TRUE(list.stateList.isEmpty());
    EXPECT_EQ(list.width, 40);
    EXPECT_EQ(list.height, 30);

    const ObjectRecord& volume = section.objects[6];
    EXPECT_EQ(volume.command, QStringLiteral("上下")) << "slider orientation is kept as its command";
    EXPECT_EQ(volume.hint, QStringLiteral("音量")) << "GB18030 text decoded";
    ASSERT_EQ(volume.stateList.size(), 1);
    EXPECT_EQ(file_.readStateImage(volume.stateList[0]).size(), QSize(4, 20));

    EXPECT_EQ(section.objects[7].command, QStringLiteral("#EXIT"));
}

TEST_F(SkinReaderTest, SmallModeAndControlBarFaces) {
    SkinSection small;
    ASSERT_TRUE(file_.readSection(1, &small).ok());
    ASSERT_EQ(small.objects.size(), 2u);
    EXPECT_EQ(small.objects[0].kind, SkinItemKind::Panel);
    EXPECT_EQ(small.objects[1].parent, 0) << "section 1 counts its first record as 0";
    EXPECT_EQ(small.objects[1].directionOrGroup, 7);
    EXPECT_EQ(small.frontOrder, (std::vector<int>{1}));

    SkinSection bar;
    ASSERT_TRUE(file_.readSection(2, &bar).ok());
    ASSERT_EQ(bar.objects.size(), 2u);
    EXPECT_EQ(bar.objects[0].kind, SkinItemKind::ControlBarPanel);
    EXPECT_EQ(bar.objects[0].value, 48);
    EXPECT_EQ(bar.objects[0].directionOrGroup, 4);
    EXPECT_EQ(bar.frontOrder, (std::vector<int>{0}));
}

TEST_F(SkinReaderTest, InfoBlockAndOptionValues) {
    SkinInfo info;
    ASSERT_TRUE(ReadSkinInfo(path_, &info));
    EXPECT_EQ(info.title, QStringLiteral("Small"));
    EXPECT_EQ(info.author, QStringLiteral("Tests"));
    EXPECT_TRUE(info.preview.isNull());

    // Any option other than the three understood values means the other choice;
    // on kinds without options the text joins the StateList.
    using P = SkinWriterProperty;
    struct Case {
        qint32 kind;
        QString option;
        std::function<void(const ObjectRecord&)> check;
    } cases[] = {
        {4, QStringLiteral("左右"),
         [](const ObjectRecord& o) { EXPECT_EQ(o.command, QStringLiteral("左右")); }},
        {8, QStringLiteral("长型"), [](const ObjectRecord& o) { EXPECT_EQ(o.value, 1); }},
        {15, QStringLiteral("否"), [](const ObjectRecord& o) { EXPECT_FALSE(o.sunkenBorder); }},
        {1, QStringLiteral("extra"),
         [](const ObjectRecord& o) { EXPECT_EQ(o.stateList, QStringList{"extra"}); }},
    };
    for (const Case& c : cases) {
        SkinWriter skin;
        skin.sections[0].objects = {{-1, c.kind, {P::Text(SkinCode::OptionText, c.option)}}};
        SkinSection section;
        ASSERT_TRUE(OpenBytes(skin.build())->readSection(0, &section).ok());
        ASSERT_EQ(section.objects.size(), 2u);
        c.check(section.objects[1]);
    }
}

TEST(SkinInfoTest, BadHeadersAnswerFalse) {
    TempHome home;
    QByteArray good = SmallSkin().build();
    QByteArray badMagic = good;
    badMagic[0] = '(';
    QByteArray badVersion = good;
    badVersion[15] = 65;
    QByteArray titleTooLong = good;
    titleTooLong[23 + 3] = 0x7f; // the title's byte count
    SkinInfo info;
    EXPECT_TRUE(ReadSkinInfo(home.write("good.eks", good), &info));
    EXPECT_FALSE(ReadSkinInfo(home.write("magic.eks", badMagic), &info));
    EXPECT_FALSE(ReadSkinInfo(home.write("version.eks", badVersion), &info));
    EXPECT_FALSE(ReadSkinInfo(home.write("title.eks", titleTooLong), &info));
    EXPECT_FALSE(ReadSkinInfo(home.file("missing.eks"), &info));
    EXPECT_FALSE(SectionHasObjects(home.file("missing.eks"), 0));
}

TEST(SkinTextTest, ZeroByteEndsTextAndOddCodesKeepTheirPayloads) {
    using P = SkinWriterProperty;
    SkinWriter skin;
    skin.sections[0].objects = {
        {-1,
         1,
         {P::RawText(SkinCode::Command, QByteArray("#PLAY\0junk", 10)), P::Bare(SkinCode::Nothing),
          P::Bare(SkinCode::AfterFont), P::Text(5000, QStringLiteral("odd code")),
          P::Int(SkinCode::Transparent, 1), P::Text(SkinCode::ValueText, QStringLiteral("not used here"))}}};
    SkinSection section;
    ASSERT_TRUE(OpenBytes(skin.build())->readSection(0, &section).ok());
    const ObjectRecord& button = section.objects.at(1);
    EXPECT_EQ(button.command, QStringLiteral("#PLAY"));
    EXPECT_EQ(button.stateList, QStringList{QStringLiteral("odd code")});
    EXPECT_EQ(button.transparent, true);
}

} // namespace
