#include "PlayerActions.h"

#include "ActionIcons.h"
#include "TOption.h"

namespace {
const char* const kCommandProperty = "sorviCommand";
const char* const kHotKeyProperty = "sorviHotKey";
} // namespace

PlayerActions::PlayerActions(const TOption& option, const Pages& pages, CommandRunner run, QObject* parent)
    : QObject(parent), option_(option), run_(std::move(run)) {
    addOwn("FileManagerAction", tr("File Management"), QStringLiteral("#FileManage"))
        ->setStatusTip(QStringLiteral("#FileManage"));
    add("AddSongAction", tr("Add Files"), QStringLiteral("#OpenFile"));
    add("LrcAction", tr("Show Lyrics"), QStringLiteral("#Lyrics"));
    add("LrcEditAction", tr("Edit Lyrics"), QStringLiteral("#EditLrc"));
    add("AboutAction", tr("About..."), pages.about);
    add("HomePageAction", tr("HomePage"), pages.homePage);
    addOwn("ListAction", tr("Playlist"), QStringLiteral("#List"));
    add("PrevAction", tr("Prev"), QStringLiteral("#Prev"));
    add("NextAction", tr("Next"), QStringLiteral("#Next"));
    add("PlayPauseAction", tr("Play&Pause"), QStringLiteral("#PlayPause"));
    add("StopAction", tr("Stop"), QStringLiteral("#Stop"));
    add("ForwardAction", tr("Forward"), QStringLiteral("#Forward"));
    add("RewindAction", tr("Rewind"), QStringLiteral("#Rewind"));
    add("SingleAction", tr("Single Play"), QStringLiteral("#Only"))->setCheckable(true);
    add("SilentAction", tr("Mute"), QStringLiteral("#Silent"))->setCheckable(true);
    add("ID3Action", tr("ID3 Info"), QStringLiteral("#ID3"))->setEnabled(false);
    add("DownloadLrcAction", tr("Download Lyrics"),
        QStringLiteral("#Explorer,") + pages.lyricsDownload);
    add("UpLoadLrcAction", tr("Upload Lyrics"),
        QStringLiteral("#Explorer,") + pages.lyricsUpload);
    // Reserved names outside the command vocabulary: kept hidden.
    add("EQProAction", tr("EQ"), QStringLiteral("#EQPro"))->setVisible(false);
    add("OptionAction", tr("Setup"), QStringLiteral("#Setup"));
    add("HelpAction", tr("Help Online"), pages.help);
    add("MinimizeAction", tr("Minimize"), QStringLiteral("#Minimize"));
    add("ExitAction", tr("Exit"), QStringLiteral("#Exit"));
    add("ShuffleAction", tr("Shuffle"), QStringLiteral("#Shuffle"))->setCheckable(true);
    add("RepeatAction", tr("Repeat"), QStringLiteral("#Repeat"))->setCheckable(true);
    add("SperateAction", tr("Play Interval"), QStringLiteral("#Sperate"))->setVisible(false);
    add("CheckUpdateAction", tr("Check Update"), QStringLiteral("#CheckUpdate"));
    addOwn("DisplayAction", tr("Video Window"), QStringLiteral("#Display"));
    add("TextureAction", tr("Skins"), QStringLiteral("#Skin"));
    add("SearchAction", tr("Search File"), QStringLiteral("#Search"));
    add("UrlAction", tr("Add PlayUrl"), QStringLiteral("#Url"));

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
        ->setText(hidden ? tr("Restore") : tr("Minimize"));
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
