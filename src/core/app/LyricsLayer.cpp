#include "LyricsLayer.h"

#include "BrowserLayer.h"
#include "PathResolve.h"
#include "PlayerApplication.h"
#include "TCommandDispatcher.h"
#include "TKvMp3PlayForm.h"
#include "TID3Forms.h"
#include "TLrcForm.h"
#include "TOptionForm.h"
#include "TWorkForm.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"

LyricsLayer::LyricsLayer(PlayerApplication& player) : player_(player) {}

LyricsLayer::~LyricsLayer() {
    Close();
}

TLrcForm* LyricsLayer::lyricsWindow() const {
    return lyricsForm_.data();
}

void LyricsLayer::Install() {
    tagForms_ =
        std::make_unique<TID3Forms>(TID3FormContext{player_.play(), player_.messenger(), player_.store(),
                                                    &player_.mainWindow()});
    connect(tagForms_.get(), &TID3Forms::openCountChanged, this, &LyricsLayer::tagWindowsChanged);

    browser_ = std::make_unique<BrowserLayer>(player_);
    browser_->Install();

    TCommandDispatcher& d = player_.dispatcher();
    d.SetHandler(QStringLiteral("#LYRICS"), [this](const CommandCall&) { ShowLyrics(); });
    d.SetHandler(QStringLiteral("#ID3"), [this](const CommandCall& call) { OpenTag(call.argument); });

    // A new current song: its lyrics are found and shown from the start.
    connect(&player_.control(), &TPlayControl::currentSongLoaded, this, [this] {
        if (lyricsForm_) {
            lyricsForm_->LoadLyrics();
            lyricsForm_->UpdateLyrics();
        }
    });
}

void LyricsLayer::ShowLyrics() {
    if (!lyricsForm_) {
        TLrcFormContext context{
            player_.option(),    player_.play(),
            player_.messenger(), player_.store(),
            &player_.animate(),  [this](const QString& command) { player_.DoCommand(command); },
            [this] { ShowLyricsOptions(); }};
        // A window of the main window: it stacks above it, also when the
        // player stays on top.
        auto* form = new TLrcForm(std::move(context), &player_.mainWindow());
        lyricsForm_ = form;
        connect(form, &TLrcForm::shownChanged, this, &LyricsLayer::lyricsShownChanged);
        connect(form, &TLrcForm::lyricsFound, this, &LyricsLayer::lyricsFoundChanged);
        // The first load ran inside the constructor; report its outcome now.
        emit lyricsFoundChanged(form->LyricsLoaded());
    }
    if (lyricsForm_->isMinimized())
        lyricsForm_->showNormal();
    lyricsForm_->show();
    lyricsForm_->raise();
    lyricsForm_->activateWindow();
}

void LyricsLayer::ShowLyricsOptions() {
    player_.DoCommand(QStringLiteral("#Setup"));
    if (TWorkForm* tools = player_.workForm())
        if (auto* options = qobject_cast<TOptionForm*>(tools->Page(WorkPageNumber::Options)))
            options->ShowLrcShowerPage();
}

void LyricsLayer::OpenTag(const QString& argument) {
    if (!tagForms_)
        return;
    QString file = argument.trimmed();
    bool selectLyrics = false;
    if (file.compare(QLatin1String("selectlyrics"), Qt::CaseInsensitive) == 0) {
        selectLyrics = true;
        file.clear();
    }
    if (file.isEmpty())
        file = player_.play().Current().FileName;
    if (file.isEmpty())
        return;
    tagForms_->Open(ResolvePath(file), selectLyrics);
}

void LyricsLayer::Close() {
    if (browser_)
        browser_->Close();
    if (lyricsForm_) {
        lyricsForm_->close();
        delete lyricsForm_.data();
    }
    if (tagForms_)
        tagForms_->CloseAll();
}
