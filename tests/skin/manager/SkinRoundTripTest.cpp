#include "EngineFixture.h"
#include "SkinFile.h"

#include <QCoreApplication>
#include <QProcess>

// A shipped skin turned back into sources and compiled again draws every
// face exactly as before.
namespace {

QImage Face(TSkin& skin, QWidget& window, const QString& file, int section) {
    if (!skin.LoadSkin(&window, file, section))
        return {};
    window.show();
    QCoreApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

int RunCompiler(const QStringList& args) {
    QProcess tool;
    tool.start(SKIN_COMPILER_PATH, args);
    if (!tool.waitForFinished(60000))
        return -1;
    if (tool.exitCode() != 0)
        ADD_FAILURE() << args.join(' ').toStdString() << ": " << tool.readAllStandardError().toStdString();
    return tool.exitCode();
}

struct SkinRoundTrip : EngineTest, ::testing::WithParamInterface<const char*> {};

TEST_P(SkinRoundTrip, DecompiledAndCompiledAgainDrawsTheSameFaces) {
    const QString original = QString(SKIN_BUILD_FOLDER) + "/" + GetParam();
    ASSERT_TRUE(QFileInfo::exists(original)) << original.toStdString();
    const QString sources = home.file("sources");
    const QString again = home.file("again.eks");
    ASSERT_EQ(RunCompiler({"--decompile", original, sources}), 0);
    ASSERT_EQ(RunCompiler({sources + "/layout.json", again}), 0);

    SkinInfo before, after;
    ASSERT_TRUE(ReadSkinInfo(original, &before));
    ASSERT_TRUE(ReadSkinInfo(again, &after));
    EXPECT_EQ(after.title, before.title);
    EXPECT_EQ(after.author, before.author);
    EXPECT_EQ(after.comment, before.comment);
    EXPECT_EQ(after.preview.convertToFormat(QImage::Format_ARGB32),
              before.preview.convertToFormat(QImage::Format_ARGB32));

    for (int section = 0; section < 3; ++section) {
        SCOPED_TRACE(section);
        EXPECT_EQ(SectionHasObjects(again, section), SectionHasObjects(original, section));
        if (!SectionHasObjects(original, section))
            continue;
        QWidget first, second;
        const QImage a = Face(*skin, first, original, section);
        const QImage b = Face(*skin, second, again, section);
        ASSERT_FALSE(a.isNull());
        EXPECT_EQ(a.size(), b.size());
        if (a != b) {
            int differing = 0;
            for (int y = 0; y < std::min(a.height(), b.height()); ++y)
                for (int x = 0; x < std::min(a.width(), b.width()); ++x)
                    differing += a.pixel(x, y) != b.pixel(x, y);
            const QString stem =
                TestOutputFolder() + QString("/roundtrip-%1-%2").arg(GetParam()).arg(section);
            a.save(stem + "-before.png");
            b.save(stem + "-after.png");
            ADD_FAILURE() << differing << " pixels differ; see " << stem.toStdString();
        }
        skin->ClearAll();
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, SkinRoundTrip,
                         ::testing::Values("default.eks", "light.eks", "compact.eks"));

TEST_F(EngineTest, DecompileRefusesWhatIsNoSkin) {
    const QString junk = home.write("junk.eks", "no skin");
    QProcess tool;
    tool.start(SKIN_COMPILER_PATH, {"--decompile", junk, home.file("out")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_FALSE(QFileInfo::exists(home.file("out/layout.json")));
}

} // namespace
