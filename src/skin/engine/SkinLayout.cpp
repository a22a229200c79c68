// Window size, outline and the sliding of drawer panels.
#include "SkinMath.h"
#include "SkinWidgets.h"
#include "TCtrl.h"
#include "TSkin.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
QSize imageSize(TCtrl* o) {
    TKvImage* image = o->Image();
    if (!image)
        return o->controls.empty() ? QSize() : o->controls[0]->size();
    return image->Picture().isNull() ? image->size() : image->Picture().size();
}
bool onWindow(TCtrl* o, QWidget* window) {
    return o->LastControl() && o->LastControl()->parentWidget() == window;
}
} // namespace

void TSkin::FitWindow(TSkinItem* item) {
    QWidget* window = item->window;
    if (!window || item->objects.empty())
        return;
    const QSize first = imageSize(item->objects[0]);
    QRect u(0, 0, first.width(), first.height());
    for (TCtrl* o : item->objects) {
        if ((o->kind != SkinItemKind::ControlBarPanel && o->kind != SkinItemKind::SlidingPanel) ||
            !onWindow(o, window))
            continue;
        QWidget* panel = o->Panel();
        const QSize s = imageSize(o);
        const int w = s.width(), h = s.height(), d = o->value;
        QRect p = panel->geometry();
        u |= p;
        switch (o->directionOrGroup) {
        case 1:
            u |= QRect(p.left(), p.top(), w + d, h);
            break;
        case 2:
            u |= QRect(p.left() - d, p.top(), w + d, h);
            break;
        case 3:
            u |= QRect(p.left(), p.top(), w, h + d);
            break;
        case 8:
            panel->resize(panel->width(), panel->height() - d);
            p = panel->geometry();
            [[fallthrough]];
        case 4:
            u |= p;
            u |= p.translated(0, -d);
            break;
        case 5:
        case 7:
            o->opened = true;
            break;
        default:
            break;
        }
    }
    for (TCtrl* o : item->objects) {
        const int k = int(o->kind);
        if (k != 0 && k != 12 && k != 13 && k != 14)
            continue;
        QWidget* panel = o->Panel();
        if (onWindow(o, window))
            panel->move(panel->x() - std::min(u.left(), 0), panel->y() - std::min(u.top(), 0));
        const QSize s = imageSize(o);
        o->HomeRect = QRect(panel->x(), panel->y(), s.width(), s.height());
    }
    window->move(window->x() + std::min(u.left(), 0), window->y() + std::min(u.top(), 0));
    window->setFixedSize(u.size());
    if (env_.positionControlBar && SectionOf(item) == 2)
        env_.positionControlBar();
}

void TSkin::ApplyWindowShape(TSkinItem* item) {
    QWidget* window = item->window;
    if (!window || item->objects.empty())
        return;
    QRegion r(0, 0, window->width(), window->height());
    if (TKvPanel* first = item->objects[0]->Panel())
        r &= first->Shape().translated(first->pos());
    for (TCtrl* o : item->objects)
        if (o->kind == SkinItemKind::SlidingPanel && onWindow(o, window))
            r |= o->Panel()->Shape().translated(o->Panel()->pos());
    window->setMask(r);
}

bool TSkin::SlideKind(TSkinItem* item, SkinItemKind kind, int mode) {
    if (!item)
        return false;
    TCtrl* found = nullptr;
    for (TCtrl* o : item->objects)
        if (o->kind == kind) {
            found = o;
            break;
        }
    if (!found)
        return false;
    TCtrl* container = FindContainer(found);
    if (!container || container->kind != SkinItemKind::SlidingPanel)
        return true;
    if (container->directionOrGroup == 0)
        container = FindContainer(container);
    if (container)
        SlidePanel(item, container, mode);
    return true;
}

void TSkin::turnHandles(TSkinItem* item, TCtrl* drawer) {
    const int direction = drawer->directionOrGroup;
    const Qt::Orientations way =
        direction == 1 || direction == 2 || direction == 5 ? Qt::Horizontal : Qt::Vertical;
    for (TCtrl* o : item->objects) {
        if (o->kind != SkinItemKind::Button ||
            o->command.trimmed().compare(QLatin1String("#Extract"), Qt::CaseInsensitive) != 0)
            continue;
        TCtrl* container = FindContainer(o);
        while (container && container->kind != SkinItemKind::SlidingPanel)
            container = FindContainer(container);
        if (container != drawer)
            continue;
        o->turned = drawer->opened ? way : Qt::Orientations();
        o->SetState(o->state);
    }
}

void TSkin::coverDrawer(TSkinItem* item, TCtrl* drawer) {
    QWidget* panel = drawer->Panel();
    TKvPanel* body = item->objects.empty() ? nullptr : item->objects[0]->Panel();
    if (!panel || !body || panel == body || panel->parentWidget() != body->parentWidget())
        return;
    const QRegion bodyFace = body->Shape().translated(body->pos());
    panel->setVisible(drawer->opened || !(QRegion(panel->geometry()) - bodyFace).isEmpty());
}

void TSkin::SlidePanel(TSkinItem* item, TCtrl* object, int mode) {
    if (!item || !object || item->busy)
        return;
    if ((mode == 1 && object->opened) || (mode == -1 && !object->opened))
        return;
    QWidget* panel = object->Panel();
    if (!panel)
        return;
    item->busy = true;
    const SlidePlan plan = PlanSlide(object->value, object->speed);
    const int delta = object->opened ? -plan.step : plan.step;
    object->opened = !object->opened;
    turnHandles(item, object);
    if (object->opened)
        coverDrawer(item, object);
    const bool direct = onWindow(object, item->window);
    QPointer<TCtrl> alive(object);
    for (int i = 0; i < plan.count; ++i) {
        panel->setGeometry(SlideStep(object->directionOrGroup, panel->geometry(), delta));
        if (direct)
            ApplyWindowShape(item);
        // Other events run between the steps; a face cleared meanwhile ends
        // the slide.
        if (slideDelay_ > 0) {
            QEventLoop wait;
            QTimer::singleShot(slideDelay_, &wait, &QEventLoop::quit);
            wait.exec();
        } else {
            QCoreApplication::processEvents();
        }
        if (!alive || alive->Detached())
            return;
    }
    panel->setGeometry(SlideFinal(object->directionOrGroup, panel->geometry(), object->HomeRect,
                                  object->value, object->opened));
    if (direct)
        ApplyWindowShape(item);
    coverDrawer(item, object);
    item->busy = false;
}
