#include "TInfomation.h"

#include "SkinWidgets.h"

#include <QFontMetrics>
#include <QPainter>

TInfomation::TInfomation(SongSource song, QObject* parent) : QObject(parent), song_(std::move(song)) {
    // The title moves at a steady pace on a coarse timer; each tick draws
    // off-screen and hands the label one finished picture.
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, [this] {
        timer_.stop();
        Tick();
        timer_.start();
    });
    timer_.start();
}

void TInfomation::Register(TKvLabel* label, BackgroundSource background) {
    if (!label)
        return;
    lines_.push_back(ScrollLine{label, std::move(background), {}, {}, {}});
    updateText(lines_.back());
}

void TInfomation::Unregister(TKvLabel* label) {
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [label](const ScrollLine& l) { return l.label == label; }),
                 lines_.end());
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
}

void TInfomation::updateText(ScrollLine& line) {
    if (!line.label)
        return;
    const SongInfoText song = song_ ? song_() : SongInfoText{};
    line.full = InfoText(song);
    const QFontMetrics metrics(line.label->font());
    if (!paused_) {
        line.shown = line.full;
        line.scroll.hold = kHold;
        line.scroll.offset =
            song.current ? metrics.horizontalAdvance(QString::fromLatin1(kInfoPrefix)) << kScale : 0;
        draw(line, -line.scroll.offset);
    }
    line.scroll.limit = metrics.horizontalAdvance(line.full) << kScale;
}

void TInfomation::ShowText(const QString& text) {
    if (!enabled_)
        return;
    for (ScrollLine& line : lines_) {
        line.shown = text;
        draw(line, 0, true);
    }
}

void TInfomation::Pause(bool flag) {
    if (!enabled_)
        return;
    paused_ = flag;
    if (flag)
        return;
    for (ScrollLine& line : lines_) {
        line.shown = line.full;
        draw(line, -line.scroll.offset);
    }
}

void TInfomation::Tick() {
    if (!enabled_ || paused_)
        return;
    for (ScrollLine& line : lines_)
        draw(line, -line.scroll.offset);
}

void TInfomation::draw(ScrollLine& line, int x, bool centred) {
    TKvLabel* label = line.label;
    if (!label)
        return;
    const QSize size = label->size() + QSize(100, 100);
    if (buffer_.size() != size)
        buffer_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    buffer_.fill(label->Transparent() ? QColor(Qt::transparent) : label->BackColor());
    QPainter p(&buffer_);
    if (label->Transparent() && line.background) {
        const QImage back = line.background();
        if (!back.isNull())
            p.drawImage(0, 0, back);
    }
    p.setFont(label->font());
    p.setPen(label->palette().color(QPalette::WindowText));
    const QFontMetrics metrics(label->font());
    const int px = centred ? (label->width() - metrics.horizontalAdvance(line.shown)) / 2 : x >> kScale;
    p.drawText(px, metrics.ascent(), line.shown);
    p.end();
    label->SetFace(buffer_.copy(0, 0, label->width(), label->height()));
    if (!paused_ && !centred)
        AdvanceScroll(line.scroll, label->width(), kScale);
}
