#include "PluginDescription.h"

#include "PluginFixtures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

std::string padded(std::string text, std::size_t size) {
    text.resize(size, '\0');
    return text;
}

// A trailer assembled by hand, field by field, independent of the writer.
std::string handTrailer(const std::string& id, const std::string& priority, const std::string& flags,
                        const std::string& name, const std::string& typesLength, const std::string& types,
                        const std::string& magic = "kelvando", std::string n = {}) {
    const std::string block =
        padded(id, 38) + padded(priority, 7) + flags + padded(name, 32) + typesLength + types;
    if (n.empty()) {
        int len = static_cast<int>(block.size());
        for (int i = 0; i < 4; ++i, len /= 100)
            n += static_cast<char>(len % 100 + 1);
    }
    return block + n + magic;
}

const std::string kId = "{5E7A00AA-0000-4000-8000-0000000000AA}";

struct NumberCase {
    std::string stored;
    int value;
};

TEST(DescriptionNumber, ReadsBase100DigitsLeastSignificantFirst) {
    const NumberCase cases[] = {
        {bytes({2, 2, 1, 1}), 101},
        {bytes({1, 1, 1, 1}), 0},
        {bytes({1, 2, 1, 1}), 100},
        {bytes({51, 1, 1, 1}), 50},
        {bytes({100, 100, 100, 100}), 99999999},
        {bytes({8, 1, 1, 2}), 1000007},
        // Bytes that hold no digit make the field not a number: 0, never a
        // negative or oversized value.
        {bytes({0, 2, 2, 2}), 0},
        {bytes({2, 2, 2, 0}), 0},
        {bytes({101, 1, 1, 1}), 0},
        {bytes({255, 255, 255, 255}), 0},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(DecodeDescriptionNumber(reinterpret_cast<const unsigned char*>(c.stored.data())), c.value)
            << c.value;
        if (c.value > 0) {
            EXPECT_EQ(EncodeDescriptionNumber(c.value), c.stored) << c.value;
        }
    }
}

TEST(DescriptionNumber, FlagsComeFromTheDigitsThatAreOne) {
    const std::pair<int, int> cases[] = {{0, 0},   {100, 4}, {10, 2},   {1, 1},
                                         {111, 7}, {200, 0}, {1100, 4}, {21, 1}};
    for (auto [number, flags] : cases)
        EXPECT_EQ(FlagsFromNumber(number), flags) << number;
}

TEST(DescriptionReader, ReadsAHandMadeTrailerAndTheWriterMakesTheSameBytes) {
    const std::string trailer =
        handTrailer(kId, "42", bytes({1, 2, 1, 1}), "Ogg player", bytes({7, 1, 1, 1}), "*.ogg;");
    const auto d = ReadPluginDescriptionBytes("\x7f"
                                              "ELF some code" +
                                              trailer);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->id, kId);
    EXPECT_EQ(d->priority, 42);
    EXPECT_EQ(d->flagsNumber, 100);
    EXPECT_EQ(d->name, "Ogg player");
    EXPECT_EQ(d->fileTypes, "*.ogg;");

    std::string written, error;
    ASSERT_TRUE(BuildDescriptionTrailer(*d, written, error)) << error;
    EXPECT_EQ(written, trailer);
}

TEST(DescriptionReader, MagicIgnoresCaseAndFillerAfterTheTypesIsSkipped) {
    const std::string block = padded(kId, 38) + padded("5", 7) + bytes({1, 1, 1, 1}) + padded("N", 32) +
                              bytes({7, 1, 1, 1}) + "*.ogg;" + std::string(10, 'F');
    const std::string trailer = block + EncodeDescriptionNumber(static_cast<int>(block.size())) + "KelVANDO";
    const auto d = ReadPluginDescriptionBytes("code" + trailer);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->id, kId);
    EXPECT_EQ(d->fileTypes, "*.ogg;");
}

struct PriorityCase {
    const char* text;
    int value;
};

TEST(DescriptionReader, PriorityTextThatIsNotANumberGivesZero) {
    const PriorityCase cases[] = {{"42", 42}, {"-3", -3},           {" 7", 7}, {"12x", 0}, {"", 0},
                                  {"+8", 8},  {"9999999", 9999999}, {"x", 0}};
    for (const PriorityCase& c : cases) {
        const auto d = ReadPluginDescriptionBytes(
            handTrailer(kId, c.text, bytes({1, 1, 1, 1}), "N", bytes({7, 1, 1, 1}), "*.ogg;"));
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(d->priority, c.value) << c.text;
    }
}

TEST(DescriptionReader, TextsEndAtTheirFirstZeroOrTheirFieldsEnd) {
    const std::string fullName(32, 'n');
    const auto d = ReadPluginDescriptionBytes(handTrailer(
        std::string("{abc}\0junk", 10), "1", bytes({1, 1, 1, 1}), fullName, bytes({7, 1, 1, 1}), "*.ogg;"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->id, "{abc}");
    EXPECT_EQ(d->name, fullName);
}

struct BrokenCase {
    const char* label;
    std::string file;
};

TEST(DescriptionReader, FilesWithoutAUsableTrailerHaveNoDescription) {
    const BrokenCase cases[] = {
        {"empty", ""},
        {"shorter than the tail", "kelvando"},
        {"tail without magic", bytes({2, 1, 1, 1}) + "kelvandx"},
        {"garbage", std::string(300, '\xee')},
        {"block begins before the file", "abc" + bytes({100, 100, 100, 100}) + "KELVANDO"},
        {"block one byte longer than the file", std::string(20, 'x') + bytes({22, 1, 1, 1}) + "kelvando"},
    };
    for (const BrokenCase& c : cases)
        EXPECT_FALSE(ReadPluginDescriptionBytes(c.file)) << c.label;
}

TEST(DescriptionReader, TypesLongerThanTheFileReadAsFarAsTheFileGoes) {
    // L says 500 while 6 bytes of types are followed only by the N field and magic.
    const std::string trailer =
        handTrailer(kId, "5", bytes({1, 1, 1, 1}), "N", EncodeDescriptionNumber(500), "*.ogg;");
    const auto d = ReadPluginDescriptionBytes(trailer);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->fileTypes, "*.ogg;" + trailer.substr(trailer.size() - 12));

    // The whole block past the end: fields beyond the file are empty.
    // (N = 38: the ID only; the later fields read the tail, then nothing.)
    const auto shortBlock = ReadPluginDescriptionBytes(padded(kId, 38) + bytes({39, 1, 1, 1}) + "kelvando");
    ASSERT_TRUE(shortBlock);
    EXPECT_EQ(shortBlock->id, kId);
    EXPECT_EQ(shortBlock->name, "o");
    EXPECT_EQ(shortBlock->fileTypes, "");
}

TEST(DescriptionWriter, RefusesFieldsThatDoNotFit) {
    const PluginDescription cases[] = {
        Describe("{5E7A00AA-0000-4000-8000-0000000000AA}x", 1, "*.ogg;"),
        Describe(kId.c_str(), 10000000, "*.ogg;"),
        Describe(kId.c_str(), -1000000, "*.ogg;"),
        Describe(kId.c_str(), 1, "*.ogg;", 0, "a name that is longer than 32 bytes"),
        Describe(kId.c_str(), 1, "*.ogg;", 100000000),
    };
    for (const PluginDescription& d : cases) {
        std::string trailer, error;
        EXPECT_FALSE(BuildDescriptionTrailer(d, trailer, error))
            << d.id << " " << d.priority << " " << d.name;
        EXPECT_FALSE(error.empty());
    }
}

// --- the plugin-describe tool ---

class DescribeTool : public ::testing::Test {
protected:
    int run(const QStringList& args, QString* out = nullptr) {
        QProcess p;
        p.start(QStringLiteral(PLUGIN_DESCRIBE), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    }
    QStringList describeArgs(const QString& file, const QString& priority) {
        return {file,         "--id",        QString::fromStdString(kId),
                "--priority", priority,      "--flags",
                "100",        "--name",      "Tool test",
                "--types",    "*.OGG;*.oga;"};
    }
    TempHome home;
    const QByteArray body = "pretend this is a shared object";
};

TEST_F(DescribeTool, AppendsOnceAndReplacesItsOwnTrailer) {
    const QString file = home.write("p.so", body);
    ASSERT_EQ(run(describeArgs(file, "7")), 0);
    const qint64 describedSize = QFileInfo(file).size();
    ASSERT_EQ(run(describeArgs(file, "12")), 0);
    EXPECT_EQ(QFileInfo(file).size(), describedSize) << "a second run replaces the trailer";
    EXPECT_TRUE(home.read("p.so").startsWith(body));

    const auto d = ReadPluginDescriptionFile(QFile::encodeName(file).toStdString());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->id, kId);
    EXPECT_EQ(d->priority, 12);
    EXPECT_EQ(d->flagsNumber, 100);
    EXPECT_EQ(d->name, "Tool test");
    EXPECT_EQ(d->fileTypes, "*.ogg;*.oga;");

    QString shown;
    EXPECT_EQ(run({"--show", file}, &shown), 0);
    EXPECT_TRUE(shown.contains("Priority: 12")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("FileTypes: *.ogg;*.oga;")) << shown.toStdString();
}

TEST_F(DescribeTool, RejectsBadInputAndLeavesTheFileAlone) {
    const QString file = home.write("p.so", body);
    const QStringList bad[] = {
        {file, "--id", QString::fromStdString(kId), "--types", "ogg"},
        {file, "--id", QString::fromStdString(kId), "--types", "*.ogg;", "--name", QString(33, 'n')},
        {file, "--id", QString::fromStdString(kId), "--types", "*.ogg;", "--priority", "high"},
        {file, "--types", "*.ogg;"},
        {file, "--id"},
    };
    for (const QStringList& args : bad) {
        EXPECT_NE(run(args), 0) << args.join(' ').toStdString();
        EXPECT_EQ(home.read("p.so"), body);
    }
    EXPECT_NE(run({"--show", file}), 0) << "no description to show";
    EXPECT_NE(run(describeArgs(home.file("missing.so"), "1")), 0);
}

TEST(BuiltPlugins, CarryTheDescriptionGivenToTheirBuild) {
    const auto d = ReadPluginDescriptionFile(QFile::encodeName(BuiltPlugin("test_recorder")).toStdString());
    ASSERT_TRUE(d) << "test_recorder.so (module without lib prefix) with a description";
    EXPECT_EQ(d->id, "{5E7A0001-0000-4000-8000-000000000001}");
    EXPECT_EQ(d->priority, 9);
    EXPECT_EQ(FlagsFromNumber(d->flagsNumber), PluginFlagLoadAtStart);
    EXPECT_EQ(d->name, "Recorder test plug-in");
    EXPECT_EQ(d->fileTypes, "*.ogg;*.rec;");
}

} // namespace
