#include "SkinLayer.h"

#include "PlayerApplication.h"
#include "PlayerInput.h"
#include "PlayerVolume.h"
#include "SkinPlayList.h"
#include "SkinWidgets.h"
#include "SongTag.h"
#include "TCtrl.h"
#include "TFrameForm.h"
#include "TInfomation.h"
#include "TKvListView.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "TPlus.h"
#include "TSkin.h"

#include <QKeyEvent>

namespace {
// How long the reason a song failed stays in the title displays.
constexpr int kNoticeMs = 4000;
} // namespace

SkinLayer::SkinLayer(PlayerApplication& player) : player_(player) {
    info_ = std::make_unique<TInfomation>([this] {
        SongInfoText song;
        const TPlayItem& current = player_.play().Current();
        song.current = !current.FileName.isEmpty();
        if (song.current) {
            const QString& streamTitle = player_.option().StreamTitle();
            song.title = streamTitle.isEmpty() ? DisplayTitle(current) : streamTitle;
            song.artist = TagText(current.Tag.Artist).trimmed();
            song.album = TagText(current.Tag.Album).trimmed();
            song.year = TagText(current.Tag.Year).trimmed();
        }
        return song;
    });
    SkinEnvironment env;
    env.option = &player_.option();
    env.store = &player_.store();
    skin_ = std::make_unique<TSkin>(std::move(env), *info_);
}

SkinLayer::~SkinLayer() {
    skin_.reset();
    info_.reset();
}

void SkinLayer::Install() {
    SkinEnvironment& env = skin_->env();
    PlayerApplication& p = player_;
    // Why a song could not be played shows in the title displays for a few
    // seconds while play moves on, instead of a message box.
    QObject::connect(&p.control(), &TPlayControl::songFailed, info_.get(),
                     [this](const QString&, const QString& reason) { info_->ShowNotice(reason, kNoticeMs); });
    env.play = &p.play();
    env.doCommand = [&p](const QString& command, QObject* sender) { p.DoCommand(command, sender); };
    env.postCommand = [&p](const QString& command) { p.PostCommand(command); };
    env.applyVolume = [&p] { ApplyVolume(p.option(), p.mixer()); };
    env.takeMixerChange = [&p] { TakeMixerChange(p.option(), p.mixer(), p.closed()); };
    env.sendToCurrentPlugin = [&p](int code, const QString& argument) {
        if (!p.plus().Current().isEmpty())
            p.plus().Send(p.plus().Current(), code, argument);
    };
    env.showMessage = [&p](const QString& text, int flags) { p.messenger().ShowMessageBox(text, flags); };
    env.setControlBar = [this, &p](TCtrl* bar) {
        TFrameForm* display = p.displayWindow();
        if (!display)
            return;
        TFrameForm::ControlBar face;
        if (bar) {
            face.panel = bar->Panel() ? static_cast<QWidget*>(bar->Panel()) : nullptr;
            face.direction = bar->directionOrGroup;
            face.distance = bar->value;
            QPointer<TCtrl> object(bar);
            face.slide = [this, object](int mode) {
                if (object && !object->Detached())
                    skin_->SlidePanel(object->item, object, mode);
            };
            face.opened = [object] { return object && object->opened; };
        }
        display->SetControlBar(face);
    };
    env.setMouseInside = [&p](bool inside) {
        if (TFrameForm* display = p.displayWindow())
            display->SetMouseInside(inside);
    };
    env.positionControlBar = [&p] {
        if (TFrameForm* display = p.displayWindow())
            display->PositionControlBar();
    };

    connect(skin_.get(), &TSkin::faceLoaded, this, [&p](QWidget* window, int) {
        if (window == &p.mainWindow())
            p.mainWindow().ShowPlainFace(false);
    });
    connect(&p.control(), &TPlayControl::currentSongLoaded, info_.get(), &TInfomation::UpdateAll);
    connect(&p.play(), &TPlay::currentTagChanged, info_.get(), &TInfomation::UpdateAll);
    installCommands();
    p.mainWindow().installEventFilter(this);

    // Keys and the wheel on the main window; the skin knows which of its
    // controls is the position slider and which the play list.
    auto inside = [this](const QWidget* widget, SkinItemKind kind) {
        for (TCtrl* object : skin_->AllObjects()) {
            if (object->kind != kind)
                continue;
            for (const QPointer<QWidget>& control : object->controls)
                if (control && (control == widget || control->isAncestorOf(widget)))
                    return true;
        }
        return false;
    };
    input_ = std::make_unique<PlayerInput>(
        p.mainWindow(), [&p](const QString& command) { p.DoCommand(command); },
        [inside](const QWidget* w) { return inside(w, SkinItemKind::PositionSlider); },
        [](const QWidget* w) { return qobject_cast<const TKvListView*>(w) != nullptr; });
}

bool SkinLayer::DeleteListSelection() {
    for (TCtrl* object : skin_->AllObjects()) {
        if (!object->list || !object->owner || object->owner->window() != &player_.mainWindow())
            continue;
        // Exactly what the Delete key does in the focused list.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        emit object->list->List()->OnCtrlKeyDown(&key);
        return true;
    }
    return false;
}

void SkinLayer::installCommands() {
    TCommandDispatcher& d = player_.dispatcher();
    PlayerApplication& p = player_;
    d.SetHandler(QStringLiteral("#SKIN"), [this, &p](const CommandCall& call) {
        if (call.argument.isEmpty()) {
            if (openSkinManager_)
                openSkinManager_();
            return;
        }
        TFrameForm* display = p.displayWindow();
        skin_->ApplySkinFile(&p.mainWindow(), display ? display->CtrlPanel() : nullptr, call.argument);
        // No face at all: the plain one; the play modes and the mixer's
        // levels are still taken, as a loaded face would have done.
        if (skin_->FindRow(&p.mainWindow()) < 0) {
            p.mainWindow().ShowPlainFace(true);
            p.option().Load();
            TakeMixerChange(p.option(), p.mixer(), p.closed());
        }
    });
    d.SetHandler(QStringLiteral("#SWITCHSMALL"), [this, &p](const CommandCall& call) {
        // A skin control asking for it is about to be destroyed by it: run
        // the switch after its click has finished.
        if (call.sender) {
            p.PostCommand(QStringLiteral("#SWITCHSMALL"));
            return;
        }
        skin_->SwitchSmall(&p.mainWindow());
    });
    d.SetHandler(QStringLiteral("#EXTRACT"),
                 [this](const CommandCall& call) { skin_->Extract(call.sender); });
    d.SetHandler(QStringLiteral("#LIST"), [this, &p](const CommandCall& call) {
        // "#List,Delete": the main window's Delete key.
        if (call.argument.trimmed().compare(QLatin1String("Delete"), Qt::CaseInsensitive) == 0) {
            DeleteListSelection();
            return;
        }
        if (!skin_->ListCommand(call.sender, &p.mainWindow()))
            p.DoCommand(QStringLiteral("#FileManage"));
    });
}

void SkinLayer::SetGroupValue(int group, int value) {
    skin_->SetGroupValue(group, value);
}

bool SkinLayer::DisplayArea(int mode) {
    return skin_->DisplayCommand(&player_.mainWindow(), mode);
}

bool SkinLayer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &player_.mainWindow() &&
        (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange)) {
        const QWidget& main = player_.mainWindow();
        info_->SetEnabled(main.isVisible() && !main.isMinimized());
    }
    return QObject::eventFilter(watched, event);
}

void SkinLayer::SetInformationEnabled(bool on) {
    info_->SetEnabled(on);
}

void SkinLayer::Close() {
    // Faces go while the windows they dress still exist.
    skin_->ClearAll();
}
