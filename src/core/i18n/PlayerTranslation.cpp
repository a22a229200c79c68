#include "PlayerTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

PlayerTranslation::PlayerTranslation(const QLocale& locale) {
    ownLoaded_ = own_.load(locale, QStringLiteral("sorvi"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (!ownLoaded_)
        return;
    // Qt's own texts only along with ours: a dialog half in one language and
    // half in another is worse than one wholly in English.
    qtLoaded_ = qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtLoaded_)
        QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
}

PlayerTranslation::~PlayerTranslation() {
    if (ownLoaded_)
        QCoreApplication::removeTranslator(&own_);
    if (qtLoaded_)
        QCoreApplication::removeTranslator(&qt_);
}
