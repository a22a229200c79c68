// Which plug-in plays a file or a stream address: streams are judged by the
// extension of their path, and one that no plug-in claims goes to the engine.
#include "PluginChoice.h"
#include "PluginFixtures.h"
#include "TPlus.h"

#include <gtest/gtest.h>

namespace {

int noInternal(const char*) { return 0; }

TEST(PluginForAddress, StreamsNoPluginClaimsGoToTheEngine) {
    TempHome home;
    InstallPlugin(home, "test_recorder", "ogg.so", Describe("{OGG}", 9, "*.ogg;"));
    TPlus plus(&noInternal);
    plus.Rescan();
    const struct {
        const char* file;
        const char* chosen; // ID, "internal" or ""
    } cases[] = {
        {"/music/a.mp3", "internal"},
        {"/music/a.ogg", "{OGG}"},
        {"/music/no-extension", ""},
        {"/music/a.flac", ""},
        {"http://radio.example/live", "internal"},
        {"HTTPS://radio.example/stream/", "internal"},
        {"http://radio.example/radio.mp3?token=abc", "internal"},
        {"http://radio.example/radio.mp3?format=a.ogg", "internal"},
        {"http://radio.example:8000/a.ogg?listener=1", "{OGG}"},
        {"https://radio.example/Show.OGG#now", "{OGG}"},
        {"http://radio.example/a.flac", "internal"}, // the engine reports what it cannot play
    };
    for (const auto& c : cases) {
        const QString expected = QString(c.chosen) == "internal" ? TPlus::InternalID : QString(c.chosen);
        EXPECT_EQ(ChoosePlugin(plus, QString::fromUtf8(c.file)), expected) << c.file;
    }
}

} // namespace
