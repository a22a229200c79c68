#pragma once

#include <QLocale>
#include <QTranslator>

// The player's texts in the user's language. The source texts in the code are
// English; a translation built into the program ("sorvi_<language>.qm", today
// Simplified Chinese) replaces them when the locale asks for it, together
// with Qt's own texts (standard buttons, file dialogs) when the system has
// them. The default locale is the desktop's, as Qt reads it: LC_ALL, then
// LC_MESSAGES, then LANG, with LANGUAGE giving the order of preference.
// Installed while the object lives; a locale without a translation keeps the
// English texts.
class PlayerTranslation {
public:
    explicit PlayerTranslation(const QLocale& locale = QLocale::system());
    ~PlayerTranslation();
    PlayerTranslation(const PlayerTranslation&) = delete;
    PlayerTranslation& operator=(const PlayerTranslation&) = delete;

    // True when the player's own texts are translated for the locale.
    bool translated() const { return ownLoaded_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownLoaded_ = false;
    bool qtLoaded_ = false;
};
