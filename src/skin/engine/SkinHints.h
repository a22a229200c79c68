#pragma once

#include <QString>
#include <QStringList>

// A skin object's hint as shown in its tool tip: translated when the
// translation knows the text, as the skin wrote it otherwise. Every hint of
// the player's own default skin is known to the translation.
QString SkinHintText(const QString& hint);

// The hints of the default skin (skins/default/layout.json), which the
// translation carries.
QStringList DefaultSkinHints();
