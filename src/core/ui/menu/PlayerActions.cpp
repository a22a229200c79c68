#include "PlayerActions.h"

#include "ActionIcons.h"
#include "TOption.h"

namespace {
const char* const kCommandProperty = "sorviCommand";
const char* const kHotKeyProperty = "sorviHotKey";
} // namespace

PlayerActions::PlayerActions(const TOption& option, const Pages& pages, CommandRunner run, QObject* parent)
    : QObject(parent), option_(option), run_(std::move(run)) {
    addOwn("FileManagerAction", QStringLiteral("File Management"), QStringLiteral("#FileManage"))
        ->setStatusTip(QStringLiteral("#FileManage"));
    add("AddSongAction", QStringLiteral("Add Files"), QStringLiteral("#OpenFile"));
    add("LrcAction", QStringLiteral("Show Lyrics"), QStringLiteral("#Lyrics"));
    add("LrcEditAction", QStringLiteral("Edit Lyrics"), QStringLiteral("#EditLrc"));
    add("AboutAction", QStringLiteral("About..."), pages.about);
    add("HomePageAction", QStringLiteral("HomePage"), pages.homePage);
    addOwn("ListAction", QStringLiteral("Playlist"), QStringLiteral("#List"));
    add("PrevAction", QStringLiteral("Prev"), QStringLiteral("#Prev"));
    add("NextAction", QStringLiteral("Next"), QStringLiteral("#Next"));
    add("PlayPauseAction", QStringLiteral("Play&Pause"), QStringLiteral("#PlayPause"));
    add("StopAction", QStringLiteral("Stop"), QStringLiteral("#Stop"));
    add("ForwardAction", QStringLiteral("Forward"), QStringLiteral("#Forward"));
    add("RewindAction", QStringLiteral("Rewind"), QStringLiteral("#Rewind"));
    add("SingleAction", QStringLiteral("Single Play"), QStringLiteral("#Only"))->setCheckable(true);
    add("SilentAction", QStringLiteral("Mute"), QStringLiteral("#Silent"))->setCheckable(true);
    add("ID3Action", QStringLiteral("ID3 Info"), QStringLiteral("#ID3"))->setEnabled(false);
    add("DownloadLrcAction", QStringLiteral("Download Lyrics"),
        QStringLiteral("#Explorer,") + pages.lyricsDownload);
    add("UpLoadLrcAction", QStringLiteral("Upload Lyrics"),
        QStringLiteral("#Explorer,") + pages.lyricsUpload);
    // Reserved names outside the command vocabulary: kept hidden.
    add("EQProAction", QStringLiteral("EQ"), QStringLiteral("#EQPro"))->setVisible(false);
    add("OptionAction", QStringLiteral("Setup"), QStringLiteral("#Setup"));
    add("HelpAction", QStringLiteral("Help Online"), pages.help);
    add("MinimizeAction", QStringLiteral("Minimize"), QStringLiteral("#Minimize"));
    add("ExitAction", QStringLiteral("Exit"), QStringLiteral("#Exit"));
    add("ShuffleAction", QStringLiteral("Shuffle"), QStringLiteral("#Shuffle"))->setCheckable(true);
    add("RepeatAction", QStringLiteral("Repeat"), QStringLiteral("#Repeat"))->setCheckable(true);
    add("SperateAction", QStringLiteral("播放间隔"), QStringLiteral("#Sperate"))->setVisible(false);
    add("CheckUpdateAction", QStringLiteral("Check Update"), QStringLiteral("#CheckUpdate"));
    addOwn("DisplayAction", QStringLiteral("Video Window"), QStringLiteral("#Display"));
    add("TextureAction", QStringLiteral("Skins"), QStringLiteral("#Skin"));
    add("SearchAction", QStringLiteral("Search File"), QStringLiteral("#Search"));
    add("UrlAction", QStringLiteral("Add PlayUrl"), QStringLiteral("#Url"));

    for (QAction* a : actions_)
        a->setIcon(ActionIcon(a->objectName()));

    connect(&option_, &TOption::singlePlayChanged, this, &PlayerActions::syncChecks);
    connect(&option_, &TOption::muteChanged, this, &PlayerActions::syncChecks);
    connect(&option_, &TOption::shuffleChanged, this, &PlayerActions::syncChecks);
    connect(&option_, &TOption::repeatChanged, this, &PlayerActions::syncChecks);
    syncChecks();
}

QAction* PlayerActions::add(const char* name, const QString& caption, const QString& hint) {
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(hint);
    a->setProperty(kCommandProperty, hint);
    connect(a, &QAction::triggered, this, &PlayerActions::runHint);
    actions_ << a;
    return a;
}

QAction* PlayerActions::addOwn(const char* name, const QString& caption, const QString& command) {
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty(kCommandProperty, command);
    connect(a, &QAction::triggered, this, [this, command] { run_(command); });
    actions_ << a;
    return a;
}

void PlayerActions::runHint() {
    auto* a = qobject_cast<QAction*>(sender());
    if (!a)
        return;
    const QString hint = a->statusTip();
    // The hidden actions carry names the dispatcher does not know: it ignores them.
    if (!hint.isEmpty())
        run_(hint);
    // A checkable action toggles itself when triggered; the state it shows is
    // the player's, whether or not the command changed it.
    syncChecks();
}

QAction* PlayerActions::action(const QString& name) const {
    for (QAction* a : actions_)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QString PlayerActions::CommandOf(const QAction* action) {
    return action->property(kCommandProperty).toString();
}

QString PlayerActions::HotKeyOf(const QAction* action) {
    return action->property(kHotKeyProperty).toString();
}

void PlayerActions::syncChecks() {
    action(QStringLiteral("SingleAction"))->setChecked(option_.SinglePlay());
    action(QStringLiteral("SilentAction"))->setChecked(option_.Mute());
    action(QStringLiteral("ShuffleAction"))->setChecked(option_.Shuffle());
    action(QStringLiteral("RepeatAction"))->setChecked(option_.Repeat());
}

void PlayerActions::SetMainWindowHidden(bool hidden) {
    if (hidden == mainHidden_)
        return;
    mainHidden_ = hidden;
    action(QStringLiteral("MinimizeAction"))
        ->setText(hidden ? QStringLiteral("Restore") : QStringLiteral("Minimize"));
    emit minimizeDefaultChanged(hidden);
}

void PlayerActions::SongLoaded() {
    action(QStringLiteral("ID3Action"))->setEnabled(true);
}

void PlayerActions::RefreshHotKeys(const ShortCutOf& shortCutOf) {
    for (QAction* a : actions_) {
        const QString command = CommandOf(a);
        a->setProperty(kHotKeyProperty, command.isEmpty() || !shortCutOf ? QString() : shortCutOf(command));
    }
}
