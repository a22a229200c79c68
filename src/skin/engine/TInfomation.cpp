#include "TInfomation.h"

#include "SkinWidgets.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Steps until a moving text's pixel column changes (at least one).
int ticksToNextPixel(ScrollState s, int labelWidth, int scale) {
    const int x = ScrollDrawX(s, scale);
    for (int n = 1;; ++n) {
        AdvanceScroll(s, labelWidth, scale);
        if (ScrollDrawX(s, scale) != x || n > TInfomation::kHold + 4)
            return n;
    }
}

} // namespace

TInfomation::TInfomation(SongSource song, QObject* parent) : QObject(parent), song_(std::move(song)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { step(pendingTicks_); });
    noticeTimer_.setSingleShot(true);
    connect(&noticeTimer_, &QTimer::timeout, this, [this] {
        notice_ = false;
        if (!paused_)
            UpdateAll(); // the title again, from its start
    });
}

void TInfomation::ShowNotice(const QString& text, int milliseconds) {
    notice_ = true;
    ShowText(text);
    schedule();
    noticeTimer_.start(milliseconds);
}

void TInfomation::Register(TKvLabel* label, BackgroundSource background) {
    if (!label)
        return;
    lines_.push_back(ScrollLine{label, std::move(background), {}, {}, {}, false, {}, {}, INT_MIN});
    updateText(lines_.back());
    schedule();
}

void TInfomation::Unregister(TKvLabel* label) {
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [label](const ScrollLine& l) { return l.label == label; }),
                 lines_.end());
    schedule();
}

const TInfomation::ScrollLine* TInfomation::Line(const TKvLabel* label) const {
    for (const ScrollLine& line : lines_)
        if (line.label == label)
            return &line;
    return nullptr;
}

void TInfomation::UpdateAll() {
    for (ScrollLine& line : lines_)
        updateText(line);
    schedule();
}

void TInfomation::SetEnabled(bool flag) {
    if (flag == enabled_)
        return;
    enabled_ = flag;
    // Back on screen: the faces show where the texts are now.
    if (enabled_)
        for (ScrollLine& line : lines_)
            draw(line, line.drawnX == INT_MIN ? 0 : ScrollDrawX(line.scroll, kScale));
    schedule();
}

void TInfomation::updateText(ScrollLine& line) {
    if (!line.label)
        return;
    const SongInfoText song = song_ ? song_() : SongInfoText{};
    line.full = InfoText(song);
    const QFontMetrics metrics(line.label->font());
    line.scroll.limit = metrics.horizontalAdvance(line.full) << kScale;
    line.back = line.label->Transparent() && line.background ? line.background() : QImage();
    if (held())
        return;
    line.shown = line.full;
    line.scroll.hold = kHold;
    line.scroll.offset = song.current ? metrics.horizontalAdvance(QString::fromLatin1(kInfoPrefix)) << kScale : 0;
    // What shows from the starting point on fits the label: nothing to scroll.
    line.still = (line.scroll.limit - line.scroll.offset) >> kScale <= line.label->width();
    shapeText(line);
    draw(line, ScrollDrawX(line.scroll, kScale));
}

void TInfomation::ShowText(const QString& text) {
    if (!enabled_)
        return;
    for (ScrollLine& line : lines_) {
        if (!line.label)
            continue;
        line.shown = text;
        shapeText(line);
        draw(line, (line.label->width() - QFontMetrics(line.label->font()).horizontalAdvance(text)) / 2);
    }
}

void TInfomation::Pause(bool flag) {
    if (!enabled_)
        return;
    paused_ = flag;
    if (!flag)
        for (ScrollLine& line : lines_) {
            line.shown = line.full;
            shapeText(line);
            draw(line, ScrollDrawX(line.scroll, kScale));
        }
    schedule();
}

bool TInfomation::moving(const ScrollLine& line) const { return line.label && !line.still; }

void TInfomation::Tick() { step(1); }

void TInfomation::step(int ticks) {
    if (!enabled_ || held())
        return;
    for (ScrollLine& line : lines_) {
        if (!moving(line))
            continue;
        for (int i = 0; i < ticks; ++i)
            AdvanceScroll(line.scroll, line.label->width(), kScale);
        const int x = ScrollDrawX(line.scroll, kScale);
        // A label that is not on screen (the other window mode) is drawn
        // again within a step of being shown.
        if (x != line.drawnX && line.label->isVisible())
            draw(line, x);
    }
    schedule();
}

void TInfomation::schedule() {
    int next = 0;
    if (enabled_ && !held())
        for (const ScrollLine& line : lines_)
            if (moving(line)) {
                const int n = ticksToNextPixel(line.scroll, line.label->width(), kScale);
                next = next == 0 ? n : std::min(next, n);
            }
    if (next == 0) {
        timer_.stop();
        return;
    }
    pendingTicks_ = next;
    timer_.start(next * kTickMs);
}

void TInfomation::shapeText(ScrollLine& line) {
    TKvLabel* label = line.label;
    line.text = QImage();
    if (!label || line.shown.isEmpty())
        return;
    const QFontMetrics metrics(label->font());
    const int width = std::max(metrics.horizontalAdvance(line.shown), 1);
    // Shaped at the screen's resolution: on a scaled screen the text stays as
    // sharp as the label's own text would be.
    const qreal ratio = label->devicePixelRatioF();
    line.text =
        QImage(QSize(width + 2, std::max(label->height(), 1)) * ratio, QImage::Format_ARGB32_Premultiplied);
    line.text.setDevicePixelRatio(ratio);
    line.text.fill(Qt::transparent);
    QPainter p(&line.text);
    p.setFont(label->font());
    p.setPen(label->palette().color(QPalette::WindowText));
    p.drawText(0, metrics.ascent(), line.shown);
}

void TInfomation::draw(ScrollLine& line, int x) {
    TKvLabel* label = line.label;
    if (!label)
        return;
    line.drawnX = x;
    const qreal ratio = label->devicePixelRatioF();
    QImage face(label->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    face.fill(label->Transparent() ? QColor(Qt::transparent) : label->BackColor());
    QPainter p(&face);
    if (!line.back.isNull())
        p.drawImage(0, 0, line.back);
    if (!line.text.isNull())
        p.drawImage(x, 0, line.text);
    p.end();
    label->SetFace(face);
    ++draws_;
}
