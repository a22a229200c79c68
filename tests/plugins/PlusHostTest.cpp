#include "PluginFixtures.h"
#include "TPlus.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kRecorderId = QStringLiteral("{5E7A0001-0000-4000-8000-000000000001}");
const QString kThrowerId = QStringLiteral("{5E7A0002-0000-4000-8000-000000000002}");
const QString kNoEntryId = QStringLiteral("{5E7A0003-0000-4000-8000-000000000003}");

// The internal plug-in's entry in these tests: records what it receives.
QList<QByteArray>& internalMessages() {
    static QList<QByteArray> messages;
    return messages;
}
int fakeInternal(const char* text) {
    internalMessages().append(QByteArray(text));
    return 55;
}

bool moduleIsMapped(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

class PlusHost : public ::testing::Test {
protected:
    void SetUp() override {
        StartPluginLog(home);
        internalMessages().clear();
    }
    QString sender(const QString& id) const {
        return QString::number(reinterpret_cast<quintptr>(plus.Item(plus.IndexOfID(id)).Module));
    }
    TempHome home;
    TPlus plus{&fakeInternal};
};

TEST_F(PlusHost, WithAnEmptyFolderOnlyTheInternalPluginIsThere) {
    EXPECT_EQ(plus.FileTypes(), "*.mp3;*.m3u;*.lrc;*.eks;");
    ASSERT_EQ(plus.Count(), 1);
    EXPECT_EQ(plus.Item(0).ID, "{61FF3560-1B2A-11D6-A2A3-0010C60D423C}");
    EXPECT_EQ(plus.Item(0).Name, "XAUDIO Play Plusin  -  Internal");
    EXPECT_EQ(plus.Item(0).Priority, 4210724);
    EXPECT_EQ(plus.FindForFile(".mp3"), TPlus::InternalID);
    EXPECT_EQ(plus.FindForFile(".m3u"), TPlus::InternalID);
    EXPECT_EQ(plus.FindForFile(".ogg"), "");
    EXPECT_EQ(plus.FindForFile(""), "") << "a file without extension has no plug-in";
}

struct Installed {
    const char* file;
    const char* id;
    int priority;
    const char* types;
};
struct ChoiceCase {
    const char* label;
    std::vector<Installed> plugins; // installed in this order
    const char* extension;
    const char* chosen; // ID, "internal" or ""
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << c.label;
}

class PluginChoice : public PlusHost, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(PluginChoice, HighestPriorityThenFirstFileNameWins) {
    const ChoiceCase& c = GetParam();
    for (const Installed& p : c.plugins)
        InstallPlugin(home, "test_recorder", p.file, Describe(p.id, p.priority, p.types));
    plus.Rescan();
    const QString expected = QString(c.chosen) == "internal" ? TPlus::InternalID : QString(c.chosen);
    EXPECT_EQ(plus.FindForFile(c.extension), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PluginChoice,
    ::testing::Values(
        ChoiceCase{
            "nine beats five", {{"a.so", "{A}", 9, "*.ogg;"}, {"b.so", "{B}", 5, "*.ogg;"}}, ".ogg", "{A}"},
        ChoiceCase{"nine beats five listed first",
                   {{"a.so", "{A}", 5, "*.ogg;"}, {"b.so", "{B}", 9, "*.ogg;"}},
                   ".ogg",
                   "{B}"},
        // Equal priorities: the file name that sorts first, whatever order the
        // files were written in (code-point order: upper case before lower).
        ChoiceCase{"equal, sorted by name",
                   {{"b.so", "{B}", 5, "*.ogg;"}, {"a.so", "{A}", 5, "*.ogg;"}},
                   ".ogg",
                   "{A}"},
        ChoiceCase{"equal, upper case first",
                   {{"a.so", "{A}", 5, "*.ogg;"}, {"Z.so", "{Z}", 5, "*.ogg;"}},
                   ".ogg",
                   "{Z}"},
        ChoiceCase{
            "above the internal engine takes mp3", {{"m.so", "{M}", 4210725, "*.mp3;"}}, ".mp3", "{M}"},
        ChoiceCase{"equal to the internal engine leaves mp3",
                   {{"m.so", "{M}", 4210724, "*.mp3;"}},
                   ".mp3",
                   "internal"},
        ChoiceCase{"negative priority is never chosen", {{"n.so", "{N}", -1, "*.ogg;"}}, ".ogg", ""},
        ChoiceCase{"zero priority is chosen", {{"n.so", "{N}", 0, "*.ogg;"}}, ".ogg", "{N}"},
        ChoiceCase{"types are compared lower-cased", {{"u.so", "{U}", 1, "*.OGG;"}}, ".ogg", "{U}"},
        ChoiceCase{"the extension must end a pattern", {{"x.so", "{X}", 1, "*.oggx;"}}, ".ogg", ""},
        ChoiceCase{"no description is never chosen", {{"e.so", "", 99, "*.ogg;"}}, ".ogg", ""}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) {
        std::string name = info.param.label;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST_F(PlusHost, FilesWithoutAUsableDescriptionAreListedAsUnknown) {
    const QString plain = InstallPlugin(home, "test_recorder", "Plain.SO", std::nullopt);
    home.write("Plusin/tiny.so", "abc");
    home.write("Plusin/garbage.so", QByteArray(200, '\xee') + "\x64\x64\x64\x64KELVANDO");
    home.write("Plusin/notaplugin.txt", "ignored");
    EXPECT_EQ(plus.FileTypes(), TPlus::InternalFileTypes);
    ASSERT_EQ(plus.Count(), 4);
    for (int i = 1; i < plus.Count(); ++i) {
        EXPECT_EQ(plus.Item(i).ID, "");
        EXPECT_EQ(plus.Item(i).Name, "Unknown");
        EXPECT_EQ(plus.Item(i).FileTypes, "");
        EXPECT_EQ(plus.Item(i).RefCount, 0);
    }
    EXPECT_EQ(plus.IndexOfFile(plain.toLower()), 1);
    EXPECT_EQ(plus.Item(1).Path, plain);
    EXPECT_EQ(plus.IndexOfID(""), -1);
}

TEST_F(PlusHost, APluginWhoseNameIsNotLowerCaseStillLoads) {
    InstallPlugin(home, "test_recorder", "Recorder.SO",
                  Describe(kRecorderId.toLatin1().constData(), 9, "*.ogg;"));
    plus.Rescan();
    plus.ReadDescriptions();
    plus.Load(kRecorderId);
    EXPECT_EQ(plus.Item(1).RefCount, 1) << plus.LastLoadError(kRecorderId).toStdString();
    EXPECT_EQ(PluginLog(), QStringList{"Recorder.SO " + sender(kRecorderId) + "|1|"});
    plus.Unload(kRecorderId, false);
}

TEST_F(PlusHost, RescanFollowsTheFolderAndKeepsLoadedPlugins) {
    const QString a = InstallPlugin(home, "test_recorder", "a.so", Describe("{A}", 1, "*.aaa;"));
    const QString b = InstallPlugin(home, "test_recorder", "b.so", Describe("{B}", 1, "*.bbb;"));
    plus.Rescan();
    plus.Rescan();
    ASSERT_EQ(plus.Count(), 3);
    EXPECT_EQ(plus.Item(1).FileName, a.toLower());
    EXPECT_EQ(plus.Item(2).FileName, b.toLower());

    plus.ReadDescriptions();
    plus.Load("{B}");
    QFile::remove(a);
    QFile::remove(b);
    InstallPlugin(home, "test_recorder", "c.so", Describe("{C}", 1, "*.ccc;"));
    plus.Rescan();
    // a.so is gone; b.so is loaded and stays until it has been unloaded.
    ASSERT_EQ(plus.Count(), 3);
    EXPECT_EQ(plus.Item(1).FileName, b.toLower());
    EXPECT_EQ(plus.Send("{B}", 3, ""), 103);
    plus.Unload("{B}", false);
    plus.Rescan();
    ASSERT_EQ(plus.Count(), 2);
    EXPECT_TRUE(plus.Item(1).FileName.endsWith("/c.so"));
}

// A playing plug-in whose file is deleted or replaced, and whose description is
// then read again (every choice of a plug-in does that), still gets its stop and
// its unload, and is closed; a deleted one is no longer chosen for new files.
TEST_F(PlusHost, ALoadedPluginKeepsItsStopAndUnloadWhenItsFileChanges) {
    const struct {
        const char* label;
        bool replace; // replaced by a file with another description, else deleted
    } cases[] = {{"deleted", false}, {"replaced", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const QString path = InstallPlugin(home, "test_recorder", "b.so", Describe("{B}", 1, "*.bbb;"));
        plus.Rescan();
        plus.ReadDescriptions();
        plus.SetCurrent(plus.FindForFile(".bbb"));
        ASSERT_EQ(plus.Current(), "{B}");
        plus.Load(plus.Current());
        ASSERT_TRUE(moduleIsMapped(path));
        QFile::remove(path);
        if (c.replace) {
            InstallPlugin(home, "test_recorder", "b.so", Describe("{B2}", 1, "*.ccc;"));
        } else {
            EXPECT_EQ(plus.FindForFile(".bbb"), "") << "a deleted plug-in plays no new file";
        }
        plus.ReadDescriptions();

        EXPECT_EQ(plus.Send(plus.Current(), 3, ""), 103);
        plus.Unload(plus.Current(), false);
        plus.SetCurrent(QString());
        EXPECT_TRUE(PluginLog().last().endsWith("|6|")) << PluginLog().join('\n').toStdString();
        EXPECT_FALSE(moduleIsMapped(path));
        if (c.replace) {
            EXPECT_EQ(plus.FindForFile(".ccc"), "{B2}") << "once unloaded the new description counts";
        }
        QFile::remove(path);
        plus.Rescan();
        StartPluginLog(home);
    }
}

TEST_F(PlusHost, DescriptionsAreReadAgainBeforeAChoice) {
    const QString file = InstallPlugin(home, "test_recorder", "a.so", Describe("{A}", 1, "*.ogg;"));
    EXPECT_EQ(plus.FileTypes(), TPlus::InternalFileTypes + "*.ogg;");
    EXPECT_EQ(plus.FindForFile(".ogg"), "{A}");
    InstallPlugin(home, "test_recorder", "a.so", Describe("{A2}", 1, "*.flac;"));
    EXPECT_EQ(plus.FindForFile(".ogg"), "");
    EXPECT_EQ(plus.FindForFile(".flac"), "{A2}");
    EXPECT_EQ(plus.FileTypes(), TPlus::InternalFileTypes + "*.flac;");
}

TEST_F(PlusHost, APluginLoadedAtStartAndPlayedCountsTwoReferences) {
    const QString path = InstallPlugin(home, "test_recorder", "recorder.so");
    {
        TPlus host(&fakeInternal);
        host.Start();
        const int index = host.IndexOfID(kRecorderId);
        ASSERT_EQ(index, 1);
        EXPECT_EQ(host.Item(index).Flags, PluginFlagLoadAtStart);
        EXPECT_EQ(host.Item(index).Name, "Recorder test plug-in");
        EXPECT_EQ(host.Item(index).RefCount, 1);
        const QString handle = QString::number(reinterpret_cast<quintptr>(host.Item(index).Module));

        // Play: the controller loads it again and sends the file.
        host.SetCurrent(host.FindForFile(".ogg"));
        ASSERT_EQ(host.Current(), kRecorderId);
        host.Load(host.Current());
        EXPECT_EQ(host.Item(index).RefCount, 2);
        EXPECT_EQ(host.Send(host.Current(), 2, "/music/Ä b.ogg"), 102);
        // Stop: code 3 and one reference dropped; still loaded.
        EXPECT_EQ(host.Send(host.Current(), 3, ""), 103);
        host.Unload(host.Current(), false);
        host.SetCurrent(QString());
        EXPECT_EQ(host.Item(index).RefCount, 1);
        EXPECT_TRUE(moduleIsMapped(path));
        EXPECT_EQ(host.Send(kRecorderId, 4, ""), 104);

        const QString prefix = "recorder.so " + handle;
        EXPECT_EQ(PluginLog(), (QStringList{prefix + "|1|", prefix + "|2|/music/Ä b.ogg", prefix + "|3|",
                                            prefix + "|4|"}));
    }
    // Destroying the host unloads what was loaded at start.
    EXPECT_TRUE(PluginLog().last().endsWith("|6|"));
    EXPECT_FALSE(moduleIsMapped(path));
}

TEST_F(PlusHost, UnloadDropsOneReferenceUnlessForced) {
    InstallPlugin(home, "test_recorder", "r.so", Describe("{R}", 1, "*.ogg;"));
    plus.Start();
    plus.Load("{R}");
    plus.Load("{R}");
    plus.Load("{R}");
    const int index = plus.IndexOfID("{R}");
    EXPECT_EQ(plus.Item(index).RefCount, 3);
    plus.Unload("{R}", false);
    EXPECT_EQ(plus.Item(index).RefCount, 2);
    plus.Unload("{R}", true);
    EXPECT_EQ(plus.Item(index).RefCount, 0);
    EXPECT_EQ(plus.Item(index).Module, nullptr);
    plus.Unload("{R}", true);
    plus.Unload("{R}", false);
    EXPECT_EQ(plus.Item(index).RefCount, 0);
    const QStringList log = PluginLog();
    ASSERT_EQ(log.size(), 2) << log.join('\n').toStdString();
    EXPECT_TRUE(log[0].endsWith("|1|"));
    EXPECT_TRUE(log[1].endsWith("|6|"));
    EXPECT_EQ(plus.Send("{R}", 2, "x"), -1) << "nothing to send to once unloaded";
}

TEST_F(PlusHost, DestroyingTheHostClosesPluginsStillLoaded) {
    const QString path = InstallPlugin(home, "test_recorder", "r.so", Describe("{R}", 1, "*.ogg;"));
    {
        TPlus host(&fakeInternal);
        host.Start();
        host.Load("{R}");
        host.Load("{R}");
        EXPECT_TRUE(moduleIsMapped(path));
    }
    EXPECT_FALSE(moduleIsMapped(path));
    const QStringList log = PluginLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[1].endsWith("|6|")) << "told it is being unloaded";
}

TEST_F(PlusHost, AFileThatCannotBeLoadedKeepsTheReason) {
    home.write("Plusin/broken.so",
               QByteArray("this is no shared object") + TrailerOf(Describe("{BAD}", 1, "*.bad;")));
    plus.Start();
    ASSERT_EQ(plus.FindForFile(".bad"), "{BAD}");
    plus.Load("{BAD}");
    const TPlusRec& rec = plus.Item(plus.IndexOfID("{BAD}"));
    EXPECT_EQ(rec.RefCount, 0);
    EXPECT_EQ(rec.Module, nullptr);
    EXPECT_FALSE(plus.LastLoadError("{BAD}").isEmpty());
    EXPECT_TRUE(plus.LastLoadError("{BAD}").contains("broken.so"))
        << plus.LastLoadError("{BAD}").toStdString();
    EXPECT_EQ(plus.Send("{BAD}", 2, "x.bad"), -1);
}

TEST_F(PlusHost, AThrowingPluginAnswersMinusOneAndTheHostGoesOn) {
    InstallPlugin(home, "test_thrower", "thrower.so");
    plus.Start();
    EXPECT_EQ(plus.Item(1).RefCount, 0) << "flags 0: not loaded at start";
    plus.Load(kThrowerId);
    EXPECT_EQ(plus.Send(kThrowerId, 2, "/a.thr"), -1);
    EXPECT_EQ(plus.Send(kThrowerId, 3, ""), 103);
    plus.Unload(kThrowerId, false);
    EXPECT_EQ(PluginLog().size(), 4);
}

TEST_F(PlusHost, APluginWithoutEntryLoadsButAnswersMinusOne) {
    InstallPlugin(home, "test_noentry", "noentry.so");
    plus.Start();
    plus.Load(kNoEntryId);
    const TPlusRec& rec = plus.Item(plus.IndexOfID(kNoEntryId));
    EXPECT_EQ(rec.RefCount, 1);
    EXPECT_NE(rec.Module, nullptr);
    EXPECT_EQ(plus.Send(kNoEntryId, 2, "/a.nop"), -1);
    plus.Unload(kNoEntryId, false);
    EXPECT_EQ(rec.RefCount, 0);
    EXPECT_EQ(rec.Module, nullptr);
}

TEST_F(PlusHost, TheInternalPluginGetsItsAdapterOnLoadWithSenderZero) {
    EXPECT_EQ(plus.Send(TPlus::InternalID, 2, "/a.mp3"), -1) << "not loaded yet";
    plus.Load(TPlus::InternalID);
    EXPECT_EQ(plus.Send(TPlus::InternalID, 2, "/a b/ä.mp3"), 55);
    EXPECT_EQ(plus.Send(TPlus::InternalID, 7, "93"), 55);
    plus.Unload(TPlus::InternalID, false);
    EXPECT_EQ(plus.Send(TPlus::InternalID, 3, ""), -1);
    EXPECT_EQ(internalMessages(), (QList<QByteArray>{QByteArray("0\x01"
                                                                "1\x01"),
                                                     QByteArray("0\x01"
                                                                "2\x01/a b/ä.mp3"),
                                                     QByteArray("0\x01"
                                                                "7\x01"
                                                                "93"),
                                                     QByteArray("0\x01"
                                                                "6\x01")}));
}

TEST_F(PlusHost, UnknownIdsAndIndexesAnswerMinusOne) {
    EXPECT_EQ(plus.Send("{NONE}", 2, "x"), -1);
    EXPECT_EQ(plus.Send("", 2, "x"), -1);
    EXPECT_EQ(plus.SendAt(5, 2, "x"), -1);
    EXPECT_EQ(plus.SendAt(-1, 2, "x"), -1);
    plus.Load("{NONE}");
    plus.Unload("{NONE}", true);
    EXPECT_EQ(plus.Count(), 1);
}

} // namespace

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

struct TrustCase {
    const char* label;
    // Gets the program folder and the installed plug-in; may move or change both.
    std::function<void(const QString& home, const QString& plugin, const QString& outside)> arrange;
    const char* refusal; // part of the reason; nullptr when the plug-in loads
};

void PrintTo(const TrustCase& c, std::ostream* os) { *os << c.label; }

void MustSucceed(int result) { ASSERT_EQ(result, 0) << std::strerror(errno); }

class PluginTrust : public ::testing::TestWithParam<TrustCase> {};

} // namespace

// A plug-in runs with the user's rights: one that another user could have
// written or swapped is refused, reported, and never mapped.
TEST_P(PluginTrust, OnlyModulesNoOtherUserCouldWriteAreLoaded) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another user needs root";
    const TrustCase& c = GetParam();
    TempHome home;
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    StartPluginLog(home);
    const QString plugin = InstallPlugin(home, "test_recorder", "t.so", Describe("{T}", 1, "*.ttt;"));
    c.arrange(home.path(), plugin, outside.path() + '/');

    TPlus plus(&fakeInternal);
    plus.Rescan();
    plus.ReadDescriptions();
    ASSERT_EQ(plus.IndexOfID("{T}"), 1);
    testing::internal::CaptureStderr();
    plus.Load("{T}");
    const std::string stderrText = testing::internal::GetCapturedStderr();
    const TPlusRec& rec = plus.Item(1);
    if (!c.refusal) {
        EXPECT_EQ(rec.RefCount, 1) << rec.LoadError.toStdString();
        EXPECT_NE(rec.Module, nullptr);
        plus.Unload("{T}", true);
        return;
    }
    EXPECT_EQ(rec.RefCount, 0);
    EXPECT_EQ(rec.Module, nullptr);
    EXPECT_TRUE(PluginLog().isEmpty()) << "the plug-in's code never ran";
    EXPECT_TRUE(rec.LoadError.contains(c.refusal)) << rec.LoadError.toStdString();
    EXPECT_NE(stderrText.find("refused"), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find(c.refusal), std::string::npos) << stderrText;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PluginTrust,
    ::testing::Values(
        TrustCase{"ordinary", [](const QString&, const QString&, const QString&) {}, nullptr},
        TrustCase{"file writable by every user",
                  [](const QString&, const QString& p, const QString&) {
                      MustSucceed(::chmod(QFile::encodeName(p), 0666));
                  },
                  "writable by every user"},
        TrustCase{"file writable by another group",
                  [](const QString&, const QString& p, const QString&) {
                      MustSucceed(::chown(QFile::encodeName(p), static_cast<uid_t>(-1), kNogroup));
                      MustSucceed(::chmod(QFile::encodeName(p), 0664));
                  },
                  "writable by its group"},
        TrustCase{"file of another user",
                  [](const QString&, const QString& p, const QString&) {
                      MustSucceed(::chown(QFile::encodeName(p), kNobody, kNogroup));
                  },
                  "belongs to another user"},
        TrustCase{"folder writable by every user",
                  [](const QString& h, const QString&, const QString&) {
                      MustSucceed(::chmod(QFile::encodeName(h + "Plusin"), 0777));
                  },
                  "is writable by every user"},
        TrustCase{"folder of another user",
                  [](const QString& h, const QString&, const QString&) {
                      MustSucceed(::chown(QFile::encodeName(h + "Plusin"), kNobody, kNogroup));
                  },
                  "belongs to another user"},
        TrustCase{"program folder writable by every user",
                  [](const QString& h, const QString&, const QString&) {
                      MustSucceed(::chmod(QFile::encodeName(h), 0777));
                  },
                  "is writable by every user"},
        TrustCase{"sticky folder writable by every user",
                  [](const QString& h, const QString&, const QString&) {
                      MustSucceed(::chmod(QFile::encodeName(h + "Plusin"), 01777));
                  },
                  nullptr},
        TrustCase{"link out of the program folder",
                  [](const QString&, const QString& p, const QString& o) {
                      MustSucceed(std::rename(QFile::encodeName(p), QFile::encodeName(o + "t.so")));
                      MustSucceed(::symlink(QFile::encodeName(o + "t.so"), QFile::encodeName(p)));
                  },
                  "leads out of the program folder"},
        TrustCase{"plug-in folder linked out of the program folder",
                  [](const QString& h, const QString&, const QString& o) {
                      MustSucceed(std::rename(QFile::encodeName(h + "Plusin"), QFile::encodeName(o + "Plusin")));
                      MustSucceed(::symlink(QFile::encodeName(o + "Plusin"), QFile::encodeName(h + "Plusin")));
                  },
                  "leads out of the program folder"},
        TrustCase{"link inside the program folder",
                  [](const QString& h, const QString& p, const QString&) {
                      MustSucceed(::mkdir(QFile::encodeName(h + "lib"), 0755));
                      MustSucceed(std::rename(QFile::encodeName(p), QFile::encodeName(h + "lib/t.so")));
                      MustSucceed(::symlink("../lib/t.so", QFile::encodeName(p)));
                  },
                  nullptr}),
    [](const ::testing::TestParamInfo<TrustCase>& info) {
        QString name = QString::fromLatin1(info.param.label);
        name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
        return name.toStdString();
    });
