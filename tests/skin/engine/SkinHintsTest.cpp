// Hints of skin objects in the user's language: the translation carries every
// hint of the default skin, and a skin's own hint that it does not know is
// shown as written.
#include "SkinHints.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void collectHints(const QJsonValue& value, QStringList& hints) {
    if (value.isArray()) {
        for (const QJsonValue& v : value.toArray())
            collectHints(v, hints);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == "hint" && it.value().isString())
                hints << it.value().toString();
            else
                collectHints(it.value(), hints);
        }
    }
}

TEST(SkinHints, EveryHintOfTheShippedSkinsIsInTheTranslation) {
    for (const char* skin : {"default", "light", "compact"}) {
        SCOPED_TRACE(skin);
        QFile layout(QStringLiteral(SORVI_TEST_SUPPORT) + "/../../skins/" + skin + "/layout.json");
        ASSERT_TRUE(layout.open(QIODevice::ReadOnly));
        QStringList hints;
        collectHints(QJsonDocument::fromJson(layout.readAll()).object(), hints);
        ASSERT_GT(hints.size(), 20);
        const QStringList known = DefaultSkinHints();
        for (const QString& hint : hints)
            EXPECT_TRUE(known.contains(hint)) << hint.toStdString() << " is not offered to the translation";
    }
}

TEST(SkinHints, UnknownHintsStayAsTheSkinWroteThem) {
    for (const char* hint : {"", "Playlist", "播放列表", "A hint of another skin"})
        EXPECT_EQ(SkinHintText(QString::fromUtf8(hint)), QString::fromUtf8(hint));
}

} // namespace
