#include "HotKeyLayer.h"

#include "HotKeyMatcher.h"
#include "MenuLayer.h"
#include "PlayerApplication.h"
#include "TOption.h"
#include "TShortKey.h"
#include "X11GlobalKeys.h"

#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

HotKeyLayer::HotKeyLayer(PlayerApplication& player, QObject* parent) : QObject(parent) {
    matcher_ = std::make_unique<HotKeyMatcher>(
        player.shortKey(), [&player](const QString& command) { player.DoCommand(command); },
        [&player] { return player.option().Interactive(); });
    connect(&player.option(), &TOption::interactiveChanged, matcher_.get(), &HotKeyMatcher::Reevaluate);
    // The application lost the focus: a hot-key field cannot hold it any more.
    connect(&player.menu(), &MenuLayer::hotKeySuspensionCleared, &player.shortKey(), &TShortKey::ClearSuspension);

    if (qEnvironmentVariable("SORVI_GLOBAL_KEYS") == QLatin1String("off") ||
        QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The keyboard is opened once the event loop runs, after the main window
    // is shown: its own display connection and key grabs take round trips
    // that the start need not wait for.
    QTimer::singleShot(0, this, [this] { startListening(); });
}

void HotKeyLayer::startListening() {
    source_ = std::make_unique<X11GlobalKeys>();
    GlobalKeySource::Sink sink;
    HotKeyMatcher* matcher = matcher_.get();
    sink.key = [matcher](quint16 vk, bool down) { matcher->SetKeyDown(vk, down); };
    sink.mediaKey = [matcher](const QString& command, bool repeat) { matcher->MediaKeyPressed(command, repeat); };
    listening_ = source_->Start(sink);
    if (!listening_)
        std::fprintf(stderr, "sorvi: the display offers no global keys; hot keys are off\n");
}

HotKeyLayer::~HotKeyLayer() {
    // The back end stops reporting before the matcher goes.
    source_.reset();
}
