// The skin compiler, run as a program at test time: a JSON layout with PNG
// pictures becomes an ".eks" file that reads back completely; --list prints it.
#include "SkinFile.h"
#include "SkinSource.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QPainter>
#include <QProcess>

namespace {

struct CompilerRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CompilerRun RunCompiler(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(SKIN_COMPILER_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A round 20 x 20 body (transparent corners) and a few plain pictures.
void WritePictures(const TempHome& home) {
    QImage body(20, 20, QImage::Format_ARGB32);
    body.fill(Qt::transparent);
    QPainter painter(&body);
    painter.setBrush(Qt::darkCyan);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(0, 0, 20, 20);
    painter.end();
    ASSERT_TRUE(body.save(home.file("body.png")));
    const std::pair<const char*, Qt::GlobalColor> plain[] = {{"drawer.png", Qt::green},
                                                             {"play.png", Qt::red},
                                                             {"play-hover.png", Qt::yellow},
                                                             {"play-down.png", Qt::blue},
                                                             {"preview.png", Qt::white}};
    for (const auto& [name, color] : plain) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(home.file(name)));
    }
}

const char kLayout[] = R"({
  "bitsPerPixel": 16,
  "info": {"title": "Tiny", "author": "Tests", "comment": "two\nlines", "preview": "preview.png"},
  "sections": [
    {"background": "body.png", "region": "alpha",
     "objects": [
       {"id": "drawer", "kind": "SlidingPanel", "rect": [4, 20], "direction": 3, "distance": 12,
        "image": "drawer.png", "region": [[0, 0, 6, 2], [0, 2, 3, 2]], "colors": ["#102030"]},
       {"id": "play", "kind": "Button", "parent": "drawer", "rect": [1, 1], "command": "#PLAY",
        "hint": "Play", "states": ["play.png", "play-hover.png", "play-down.png"]},
       {"id": "time", "kind": "TimeDisplay", "rect": [2, 2, 30, 10], "fonts": ["Courier New,[],&H00FFFFFF,8,0"],
        "option": "长型", "caption": "00:00"},
       {"id": "mute", "kind": 3, "command": "#Silent", "group": 9, "states": ["play.png", ""]},
       {"id": "list", "kind": "PlayListView", "parent": "body", "rect": [0, 0, 10, 10],
        "fonts": ["MS Sans Serif,[],&H00BFA091,8,0"], "colors": {"1": 123456}, "option": "是"}
     ]},
    {"objects": []},
    {"objects": [
       {"id": "bar", "kind": "ControlBarPanel", "direction": 4, "distance": 8, "image": "drawer.png"},
       {"kind": "Button", "parent": "bar", "command": "#STOP", "states": ["play.png"]}
     ]}
  ],
  "front": ["play", "drawer", "2:bar", 77]
})";

TEST(SkinCompiler, CompiledSkinReadsCompletely) {
    TempHome home;
    WritePictures(home);
    home.write(QStringLiteral("tiny.json"), kLayout);
    const QString output = home.file("tiny.eks");
    const CompilerRun run = RunCompiler({home.file("tiny.json"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    SkinFile file;
    ASSERT_TRUE(file.open(output).ok());
    SkinInfo info;
    ASSERT_TRUE(file.readInfo(&info).ok());
    EXPECT_EQ(info.title, QStringLiteral("Tiny"));
    EXPECT_EQ(info.comment, QStringLiteral("two\nlines"));
    EXPECT_EQ(info.preview.size(), QSize(6, 4));

    SkinSection main;
    ASSERT_TRUE(file.readSection(0, &main).ok());
    ASSERT_EQ(main.objects.size(), 6u);
    const ObjectRecord& body = main.objects[0];
    EXPECT_EQ(body.image.size(), QSize(20, 20));
    ASSERT_TRUE(body.region);
    EXPECT_TRUE(body.region->contains(QPoint(10, 10)));
    EXPECT_FALSE(body.region->contains(QPoint(0, 0))) << "region follows the picture's alpha";

    const ObjectRecord& drawer = main.objects[1];
    EXPECT_EQ(drawer.kind, SkinItemKind::SlidingPanel);
    EXPECT_EQ(drawer.top, 20);
    EXPECT_EQ(drawer.value, 12);
    EXPECT_EQ(drawer.directionOrGroup, 3);
    EXPECT_EQ(drawer.region, QRegion(0, 0, 6, 2) + QRegion(0, 2, 3, 2));
    EXPECT_EQ(drawer.colors.at(0), 0x302010u) << "#RRGGBB is stored as 0x00BBGGRR";
    EXPECT_EQ(drawer.image.pixelColor(2, 2), QColor(Qt::green));

    const ObjectRecord& play = main.objects[2];
    EXPECT_EQ(play.parent, 1);
    EXPECT_EQ(play.command, QStringLiteral("#PLAY"));
    ASSERT_EQ(play.stateList.size(), 3);
    EXPECT_EQ(file.readStateImage(play.stateList[1]).pixelColor(0, 0), QColor(Qt::yellow));

    EXPECT_EQ(main.objects[3].value, 1) << "long time format";
    EXPECT_EQ(main.objects[3].caption, QStringLiteral("00:00"));
    EXPECT_EQ(main.objects[4].stateList.size(), 2);
    EXPECT_TRUE(main.objects[4].stateList[1].isEmpty());
    EXPECT_EQ(main.objects[5].parent, 0);
    EXPECT_TRUE(main.objects[5].sunkenBorder);
    EXPECT_EQ(main.objects[5].colors.at(1), 123456u);
    EXPECT_EQ(main.frontOrder, (std::vector<int>{2, 1}));

    EXPECT_FALSE(file.sectionHasObjects(1));
    SkinSection bar;
    ASSERT_TRUE(file.readSection(2, &bar).ok());
    EXPECT_EQ(bar.baseNumber, 6);
    EXPECT_EQ(bar.frontOrder, (std::vector<int>{0}));

    std::vector<qint32> front;
    qint64 end = 0;
    ASSERT_TRUE(file.readFrontList(&front, &end).ok());
    EXPECT_EQ(front, (std::vector<qint32>{2, 1, 6, 77}));
    EXPECT_EQ(end, file.size()) << "the FrontList ends the file";

    const CompilerRun list = RunCompiler({QStringLiteral("--list"), output});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    for (const char* line :
         {"#2 Button (kind 1) parent 1", "command \"#PLAY\"", "section 1 (main window, small mode): empty",
          "FrontList: 4 numbers", "(end of file)"})
        EXPECT_TRUE(list.out.contains(QString::fromUtf8(line))) << line << "\n" << list.out.toStdString();
}

TEST(SkinCompiler, ListingABrokenFileFails) {
    TempHome home;
    const QString path = home.write(QStringLiteral("bad.eks"), QByteArray("[KELVANDO_SKIX]xxxx"));
    const CompilerRun run = RunCompiler({QStringLiteral("--list"), path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Invalid file format!")));
    EXPECT_EQ(RunCompiler({}).exitCode, 2);
}

TEST(SkinCompiler, SourceMistakesAreNamed) {
    TempHome home;
    WritePictures(home);
    struct Case {
        const char* layout;
        const char* expected;
    } cases[] = {
        {R"({"sections": [{"objects": [{"kind": "Gadget"}]}]})", "unknown kind"},
        {R"({"sections": [{"objects": [{"kind": "Button", "colors": [1]}]}]})", "carries no colours"},
        {R"({"sections": [{"objects": [{"kind": "Button", "states": ["missing.png"]}]}]})", "missing.png"},
        {R"({"sections": [{"objects": [{"kind": "Button", "parent": "later"}]}]})", "not an earlier object"},
        {R"({"sections": [{"objects": [{"kind": "Button", "region": "alpha"}]}]})", "only panel kinds"},
        {R"({"sections": [{"objects": [{"kind": "Button", "rect": [1]}]}]})", "\"rect\""},
        {R"({"sections": [{"objects": []}], "front": ["nobody"]})", "names no object"},
        {R"({"sections": []})", "1 to 3 sections"},
        {R"({"bitsPerPixel": 24, "sections": [{}]})", "32 or 16"},
    };
    for (const Case& c : cases) {
        SkinWriter writer;
        const SkinSourceResult result =
            CompileSkinSource(QJsonDocument::fromJson(c.layout).object(), home.path(), &writer);
        EXPECT_FALSE(result.ok) << c.layout;
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.expected))) << result.error.toStdString();
    }
}

} // namespace
