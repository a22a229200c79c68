#include "PlayerSettings.h"

#include "ProgramFolder.h"

namespace {
const QString kOption = QStringLiteral("OPTION");
}

namespace PlayerSettings {

bool AutoPlay(const OptionsStore& s) {
    return s.ReadBool(kOption, QStringLiteral("AUTOPLAY"), false);
}
bool CheckAcc(const OptionsStore& s) {
    return s.ReadBool(kOption, QStringLiteral("CHECKACC"), true);
}
bool PlayOnAdd(const OptionsStore& s) {
    return s.ReadBool(kOption, QStringLiteral("PLAYONADD"), true);
}
bool PromptDownLrc(const OptionsStore& s) {
    return s.ReadBool(kOption, QStringLiteral("PROMPTDOWNLRC"), true);
}
QString Current(const OptionsStore& s) {
    return s.ReadPath(kOption, QStringLiteral("CURRENT"), QString());
}
QString Skin(const OptionsStore& s) {
    return s.ReadPath(kOption, QStringLiteral("SKIN"), ProgramFile(QStringLiteral("default.eks")));
}
bool SystemMixer(const OptionsStore& s) {
    return s.ReadString(kOption, QStringLiteral("MIXER"), QStringLiteral("stream")).trimmed().toLower() ==
           QStringLiteral("system");
}
bool AutoFetchLyrics(const OptionsStore& s) {
    return s.ReadBool(QStringLiteral("LYRICS"), QStringLiteral("AUTOFETCH"), false);
}
bool NotifySongs(const OptionsStore& s) {
    return s.ReadBool(kOption, QStringLiteral("NOTIFY"), true);
}

void SetPromptDownLrc(OptionsStore& s, bool flag) {
    s.WriteBool(kOption, QStringLiteral("PROMPTDOWNLRC"), flag);
}
void SetCurrent(OptionsStore& s, const QString& file) {
    s.WriteString(kOption, QStringLiteral("CURRENT"), file);
}
void SetSkin(OptionsStore& s, const QString& file) {
    s.WriteString(kOption, QStringLiteral("SKIN"), file);
}
void SetAutoFetchLyrics(OptionsStore& s, bool flag) {
    s.WriteBool(QStringLiteral("LYRICS"), QStringLiteral("AUTOFETCH"), flag);
}
void SetCheckAcc(OptionsStore& s, bool flag) {
    s.WriteBool(kOption, QStringLiteral("CHECKACC"), flag);
}
void SetNotifySongs(OptionsStore& s, bool flag) {
    s.WriteBool(kOption, QStringLiteral("NOTIFY"), flag);
}

} // namespace PlayerSettings
