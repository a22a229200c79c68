// Internet radio metadata as servers send it: titles with apostrophes, UTF-8,
// empty blocks, and blocks cut anywhere by the network.
#include "IcyMetadata.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Block(const std::string& text) {
    const size_t blocks = (text.size() + 15) / 16;
    std::string block(1, static_cast<char>(blocks));
    return block + text + std::string(blocks * 16 - text.size(), '\0');
}

TEST(IcyMetadata, StreamTitleIsReadAsStationsWriteIt) {
    const struct {
        std::string block;
        const char* title; // nullptr: no title
    } cases[] = {
        {"StreamTitle='Artist - Song';StreamUrl='http://x/';", "Artist - Song"},
        {"StreamTitle='Don't Stop';", "Don't Stop"},
        {"StreamTitle='';", ""},
        {"StreamUrl='x';StreamTitle='Second field';", "Second field"},
        {"StreamTitle='S\xC3\xA5ng';", "S\xC3\xA5ng"},
        {"StreamTitle='No end", "No end"},
        {std::string("StreamTitle='Cut';\0\0\0garbage", 27), "Cut"},
        {std::string("StreamTitle='A\0B';", 18), "A"}, // the padding ends the text
        {"StreamUrl='only';", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto title = IcyStreamTitle(c.block);
        if (c.title) {
            ASSERT_TRUE(title.has_value()) << c.block;
            EXPECT_EQ(*title, c.title);
        } else {
            EXPECT_FALSE(title.has_value()) << c.block;
        }
    }
}

TEST(IcyMetadata, IntervalHeaderValues) {
    EXPECT_EQ(IcyInterval("16000"), 16000u);
    EXPECT_EQ(IcyInterval(" 8192"), 8192u);
    EXPECT_EQ(IcyInterval("0"), 0u);
    EXPECT_EQ(IcyInterval("abc"), 0u);
    EXPECT_EQ(IcyInterval("99999999999999999999"), 0u) << "absurd intervals are ignored";
}

TEST(IcyMetadata, AudioComesOutWholeHoweverTheNetworkCutsTheStream) {
    std::string audio;
    for (int i = 0; i < 100; ++i)
        audio += static_cast<char>('a' + i % 26);
    // 100 bytes of audio with a block after every 32: a title, an empty block,
    // another title.
    const std::string stream = audio.substr(0, 32) + Block("StreamTitle='One';") + audio.substr(32, 32) +
                               std::string(1, '\0') + audio.substr(64, 32) + Block("StreamTitle='Two';") +
                               audio.substr(96);
    for (size_t piece = 1; piece <= stream.size(); ++piece) {
        IcyDemuxer demuxer(32);
        std::string out;
        std::string titles; // each title with the amount of audio before it
        for (size_t at = 0; at < stream.size(); at += piece) {
            demuxer.Feed(reinterpret_cast<const unsigned char*>(stream.data() + at),
                         std::min(piece, stream.size() - at), out,
                         [&](const std::string& title) { titles += title + "@" + std::to_string(out.size()) + "|"; });
        }
        ASSERT_EQ(out, audio) << "pieces of " << piece;
        ASSERT_EQ(titles, "One@32|Two@96|") << "pieces of " << piece;
        EXPECT_EQ(demuxer.title(), "Two");
        EXPECT_EQ(demuxer.titleCount(), 2u);
    }
    IcyDemuxer plain(0);
    std::string out;
    plain.Feed(reinterpret_cast<const unsigned char*>(stream.data()), stream.size(), out);
    EXPECT_EQ(out, stream) << "without an interval everything is audio";
}

} // namespace
