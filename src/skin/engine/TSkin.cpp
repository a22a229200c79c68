#include "TSkin.h"

#include "QtForms.h"

#include "FontCodec.h"
#include "PlayerSettings.h"
#include "ProgramFolder.h"
#include "SkinHints.h"
#include "SkinPicture.h"
#include "SkinPlayList.h"
#include "SkinWidgets.h"
#include "TCtrl.h"
#include "TInfomation.h"
#include "TOption.h"
#include "TPlay.h"

#include <QCursor>
#include <QFont>

namespace {
constexpr int kIconExclamation = 48;
constexpr int kIconInformation = 64;


bool hasKind(const TSkinItem* item, SkinItemKind kind) {
    for (TCtrl* o : item->objects)
        if (o->kind == kind)
            return true;
    return false;
}
} // namespace

TSkin::TSkin(SkinEnvironment env, TInfomation& info, QObject* parent)
    : QObject(parent), env_(std::move(env)), info_(info) {
    thumbTimer_.setParent(this);
    thumbTimer_.setObjectName(QStringLiteral("thumbTimer"));
    thumbTimer_.setSingleShot(true);
    connect(&thumbTimer_, &QTimer::timeout, this, &TSkin::ShowPosition);
    bindOption();
}

TSkin::~TSkin() {
    thumbTimer_.stop();
    ClearAll(false);
}

int TSkin::SectionOf(const TSkinItem* item) const {
    return item && item->row ? item->row->section : -1;
}

int TSkin::FindRow(QWidget* window) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i]->item->window == window)
            return int(i);
    return -1;
}

TCtrl* TSkin::FindObject(QObject* control) const {
    for (TCtrl* o : all_)
        for (QWidget* w : o->controls)
            if (w == control)
                return o;
    return nullptr;
}

bool TSkin::Owns(TCtrl* object) const {
    return std::find(all_.begin(), all_.end(), object) != all_.end();
}

TCtrl* TSkin::FindContainer(TCtrl* object) const {
    if (!object || !object->LastControl())
        return nullptr;
    QWidget* parent = object->LastControl()->parentWidget();
    for (TCtrl* o : all_) {
        const int k = int(o->kind);
        if ((k == 0 || k == 12 || k == 13 || k == 14) && o->Panel() == parent)
            return o;
    }
    return nullptr;
}

QImage TSkin::ReadStateImage(TSkinItem* item, const QString& entry) {
    if (!item || !item->row)
        return {};
    return WithBitmapAlpha(item->row->fileName, entry.toLongLong(), item->stream.readStateImage(entry));
}

void TSkin::ApplyFont(TKvLabel* label, const QString& fontText) {
    FontSpec spec;
    StringToFont(fontText, spec);
    label->setFont(FontSpecToQFont(spec));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorRefToQColor(spec.color));
    label->setPalette(palette);
}

void TSkin::Post(const QString& command) {
    if (env_.postCommand)
        env_.postCommand(command);
}

bool TSkin::SectionHasObjects(const QString& fileName, int section) {
    return ::SectionHasObjects(fileName, section);
}

bool TSkin::LoadSkin(QWidget* window, const QString& fileName, int section) {
    if (!window || section < 0 || section > 2)
        return false;
    auto row = std::make_unique<TSkinItemRec>();
    row->item = std::make_unique<TSkinItem>();
    row->section = section;
    row->fileName = fileName;
    TSkinItem* item = row->item.get();
    item->window = window;
    item->row = row.get();

    // Read the whole section first: a broken file fails here, before anything
    // of the face now shown is touched.
    SkinSection data;
    SkinLoadResult result = item->stream.open(fileName);
    if (result.ok())
        result = item->stream.readSection(section, &data);
    if (!result.ok()) {
        const QString message = SkinLoadMessage(result.error);
        if (!message.isEmpty() && env_.showMessage)
            env_.showMessage(message, SkinLoadMessageIcon(result.error) == SkinMessageIcon::Exclamation
                                          ? kIconExclamation
                                          : kIconInformation);
        return false;
    }

    if (const int old = FindRow(window); old >= 0)
        removeRow(old);
    rows_.push_back(std::move(row));
    window->installEventFilter(this);

    for (const ObjectRecord& record : data.objects) {
        QWidget* owner = window;
        if (record.parent >= 0 && record.parent < int(item->objects.size()) &&
            item->objects[record.parent]->Panel())
            owner = item->objects[record.parent]->Panel();
        TCtrl* object = createObject(item, record, owner);
        applyRecord(object, record);
        item->objects.push_back(object);
        all_.push_back(object);
        if (object->list && env_.play)
            env_.play->RegisterListView(object->list);
    }
    // Stacking order: later entries end on top.
    for (int index : data.frontOrder) {
        TCtrl* object = item->objects[index];
        for (auto it = object->controls.rbegin(); it != object->controls.rend(); ++it)
            if (*it)
                (*it)->raise();
    }
    for (TCtrl* object : item->objects)
        finishObject(object);
    FitWindow(item);
    ApplyWindowShape(item);
    for (TCtrl* object : item->objects)
        if (object->kind == SkinItemKind::SlidingPanel)
            coverDrawer(item, object);

    if (env_.option)
        env_.option->Load();
    if (env_.takeMixerChange)
        env_.takeMixerChange();
    RefreshFace();
    if (env_.sendToCurrentPlugin)
        env_.sendToCurrentPlugin(10, QString());
    window->show();
    emit faceLoaded(window, section);

    if (section == 0) {
        if (env_.store)
            PlayerSettings::SetSkin(*env_.store, fileName);
        if (env_.doCommand)
            env_.doCommand(QStringLiteral("#Normal"), nullptr);
    }
    return true;
}

TCtrl* TSkin::createObject(TSkinItem* item, const ObjectRecord& record, QWidget* owner) {
    auto* object = new TCtrl(*this, item, record.kind, owner);
    const int k = int(record.kind);
    auto watch = [object](QWidget* w) {
        w->installEventFilter(object);
        w->setMouseTracking(false);
    };
    if (IsPanelKind(record.kind)) {
        auto* panel = new TKvPanel(owner);
        auto* image = new TKvImage(panel);
        image->SetTransparent(false);
        if (record.kind == SkinItemKind::DisplayArea) {
            image->SetAutoSize(false);
            image->SetCentred(true);
            panel->SetColor(Qt::black);
        }
        object->controls = {image, panel};
        watch(image);
    } else if (k == 1 || k == 3 || k == 10 || k == 11 || k == 9) {
        auto* image = new TKvImage(owner);
        image->setCursor(Qt::PointingHandCursor);
        if (k == 9)
            image->SetAutoSize(false);
        object->controls = {image};
        watch(image);
        if (k == 10)
            object->command = QStringLiteral("#Shuffle");
        if (k == 11)
            object->command = QStringLiteral("#Repeat");
    } else if (IsTextKind(record.kind)) {
        auto* label = new TKvLabel(owner);
        label->setCursor(Qt::PointingHandCursor);
        object->controls = {label};
        watch(label);
        if (k == 7)
            object->command = QStringLiteral("#ID3");
        if (k == 8)
            object->command = QStringLiteral("#Time");
    } else if (k >= 4 && k <= 6) {
        // The track is made first so that the thumb stays above it.
        auto* track = new TKvImage(owner);
        auto* thumb = new TKvImage(owner);
        track->SetTransparent(false);
        thumb->setCursor(Qt::PointingHandCursor);
        object->controls = {thumb, track};
        watch(thumb);
        if (k == 6)
            watch(track);
    } else if (record.kind == SkinItemKind::PlayListView) {
        object->list = new SkinPlayList(owner, env_);
        object->controls = {object->list->Widget()};
    }
    // Controls made on a window that is already shown stay hidden unless told.
    for (QWidget* w : object->controls)
        w->show();
    return object;
}

void TSkin::applyRecord(TCtrl* object, const ObjectRecord& r) {
    if (r.command)
        object->command = *r.command;
    object->directionOrGroup = r.directionOrGroup;
    object->value = r.value;
    object->StateList = r.stateList;
    for (size_t i = 0; i < object->controls.size(); ++i) {
        QWidget* w = object->controls[i];
        // A panel's image stays in its panel's corner; every other control
        // takes the object's place.
        const bool placed = !(object->IsPanel() && i == 0);
        if (placed && (r.left || r.top))
            w->move(r.left.value_or(w->x()), r.top.value_or(w->y()));
        if (r.width || r.height)
            w->resize(r.width.value_or(w->width()), r.height.value_or(w->height()));
        if (r.hint)
            w->setToolTip(SkinHintText(*r.hint));
    }
    if (TKvLabel* label = object->Label()) {
        if (r.caption)
            label->setText(*r.caption);
        if (r.transparent)
            label->SetTransparent(*r.transparent);
        if (!r.colors.empty())
            label->SetBackColor(ColorRefToQColor(r.colors.begin()->second));
        label->setProperty("fixedWidth", bool(r.width));
    }
    if (r.transparent && !object->IsPanel() && object->Image())
        object->Image()->SetTransparent(*r.transparent);
    if (TKvPanel* panel = object->Panel()) {
        if (r.region)
            panel->SetShape(*r.region);
        if (!r.colors.empty())
            panel->SetColor(ColorRefToQColor(r.colors.begin()->second));
        if (!r.image.isNull()) {
            object->Image()->SetPicture(r.image);
            if (object->kind != SkinItemKind::DisplayArea || !r.width)
                panel->resize(r.image.size());
        }
        if (object->kind == SkinItemKind::DisplayArea)
            object->Image()->setGeometry(panel->rect());
    }
    if (object->list)
        object->list->ApplyRecord(r);
}

void TSkin::finishObject(TCtrl* o) {
    switch (o->kind) {
    case SkinItemKind::WindowBody:
    case SkinItemKind::Panel:
    case SkinItemKind::SlidingPanel:
    case SkinItemKind::ControlBarPanel:
        o->Image()->lower();
        if (o->kind == SkinItemKind::ControlBarPanel) {
            o->speed = 40;
            if (env_.setControlBar)
                env_.setControlBar(o);
        }
        break;
    case SkinItemKind::Button:
    case SkinItemKind::TextLabel:
    case SkinItemKind::ShuffleButton:
    case SkinItemKind::RepeatButton:
        o->SetState(0);
        break;
    case SkinItemKind::TimeDisplay:
        o->SetState(0);
        break;
    case SkinItemKind::IndicatorButton:
        o->SetState(0);
        if (o->command.isEmpty())
            o->Image()->setCursor(Qt::ArrowCursor);
        break;
    case SkinItemKind::VolumeSlider:
    case SkinItemKind::BalanceSlider:
    case SkinItemKind::PositionSlider:
        if (!o->StateList.isEmpty()) {
            if (!o->StateList[0].isEmpty())
                o->Image(1)->SetPicture(o->EntryImage(0));
            // Entries 0, 1, 2 become the thumb's normal, hover and pressed
            // pictures; the cached pictures follow the new numbering.
            const QStringList rest = o->StateList.mid(1);
            o->StateList = rest;
            o->ForgetImages();
        }
        o->SetState(0);
        break;
    case SkinItemKind::TitleDisplay: {
        o->SetState(0);
        TKvLabel* label = o->Label();
        label->resize(label->width(), QFontMetrics(label->font()).height());
        TCtrl* container = FindContainer(o);
        QPointer<TKvImage> back = container ? container->Image() : nullptr;
        info_.Register(label, [back, label]() {
            if (!back || back->Picture().isNull())
                return QImage();
            return back->Picture().copy(label->geometry());
        });
        break;
    }
    case SkinItemKind::NumberDisplay:
        o->SetState(env_.option ? env_.option->CurrentIndex() : -1);
        break;
    case SkinItemKind::PlayListView:
        for (int i = 0; i < o->StateList.size(); ++i)
            if (!o->StateList[i].isEmpty())
                o->list->SetImage(i, ReadStateImage(o->item, o->StateList[i]));
        o->StateList.clear();
        break;
    default:
        break;
    }
}

void TSkin::Clear(TSkinItem* item, bool deferred) {
    QWidget* window = item->window;
    if (window) {
        window->hide();
        window->clearMask();
        if (!item->objects.empty() && item->objects[0]->Panel())
            window->move(window->pos() + item->objects[0]->Panel()->pos());
    }
    for (auto it = item->objects.rbegin(); it != item->objects.rend(); ++it) {
        TCtrl* o = *it;
        all_.erase(std::remove(all_.begin(), all_.end(), o), all_.end());
        if (o->kind == SkinItemKind::TitleDisplay)
            info_.Unregister(o->Label());
        if (o->kind == SkinItemKind::ControlBarPanel && env_.setControlBar)
            env_.setControlBar(nullptr);
        if (o->list) {
            if (env_.play)
                env_.play->UnregisterListView(o->list);
            delete o->list;
            o->list = nullptr;
        }
        o->Detach();
        // A click may be what cleared the face: the controls and the object
        // go once the event that is running has finished.
        for (QWidget* w : o->controls) {
            if (!w)
                continue;
            w->removeEventFilter(o);
            w->hide();
        }
        if (deferred) {
            for (QWidget* w : o->controls)
                if (w)
                    w->deleteLater();
            o->deleteLater();
        } else {
            // Child objects went first (they follow their panel in file
            // order); a panel's image goes before the panel.
            for (const QPointer<QWidget>& w : o->controls)
                delete w.data();
            delete o;
            continue;
        }
        o->controls.clear();
    }
    item->objects.clear();
}

void TSkin::removeRow(int index, bool deferred) {
    Clear(rows_[index]->item.get(), deferred);
    rows_.erase(rows_.begin() + index);
}

void TSkin::ClearAll(bool deferred) {
    while (!rows_.empty())
        removeRow(int(rows_.size()) - 1, deferred);
}

void TSkin::ApplySkinFile(QWidget* mainWindow, QWidget* controlBarWindow, const QString& file) {
    const QString previous = env_.store ? PlayerSettings::Skin(*env_.store) : QString();
    QString applied = file;
    if (!LoadSkin(mainWindow, file, 0)) {
        if (env_.showMessage)
            env_.showMessage(tr("Could not open the skin file."), kIconExclamation);
        applied = previous;
        if (!LoadSkin(mainWindow, previous, 0)) {
            applied = ProgramFolder() + QStringLiteral("default.eks");
            if (!LoadSkin(mainWindow, applied, 0))
                return;
        }
    }
    if (controlBarWindow)
        LoadSkin(controlBarWindow, applied, 2);
}

void TSkin::SwitchSmall(QWidget* mainWindow) {
    const int index = FindRow(mainWindow);
    if (index < 0)
        return;
    const QString file = rows_[index]->fileName;
    if (rows_[index]->section == 1)
        LoadSkin(mainWindow, file, 0);
    else if (SectionHasObjects(file, 1))
        LoadSkin(mainWindow, file, 1);
}

void TSkin::Extract(QObject* sender) {
    auto* object = qobject_cast<TCtrl*>(sender);
    if (!object || !Owns(object))
        return;
    TCtrl* container = FindContainer(object);
    while (container && container->kind != SkinItemKind::SlidingPanel)
        container = FindContainer(container);
    if (container)
        SlidePanel(object->item, container, 0);
}

bool TSkin::ListCommand(QObject* sender, QWidget* mainWindow) {
    (void)mainWindow;
    if (auto* object = qobject_cast<TCtrl*>(sender); object && Owns(object)) {
        if (hasKind(object->item, SkinItemKind::PlayListView)) {
            SlideKind(object->item, SkinItemKind::PlayListView, 0);
            return true;
        }
        return false;
    }
    if (!sender)
        return false;
    if (FindObject(sender))
        return true;
    if (auto* window = qobject_cast<QWidget*>(sender)) {
        const int index = FindRow(window);
        if (index >= 0 && hasKind(rows_[index]->item.get(), SkinItemKind::PlayListView)) {
            SlideKind(rows_[index]->item.get(), SkinItemKind::PlayListView, 0);
            return true;
        }
    }
    return false;
}

bool TSkin::DisplayCommand(QWidget* mainWindow, int mode) {
    const int index = FindRow(mainWindow);
    if (index < 0 || !hasKind(rows_[index]->item.get(), SkinItemKind::DisplayArea))
        return false;
    SlideKind(rows_[index]->item.get(), SkinItemKind::DisplayArea, mode);
    return true;
}
